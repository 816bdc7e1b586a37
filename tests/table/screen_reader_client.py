#!/usr/bin/python3
"""Plays one hand of the table as a screen reader user does, through AT-SPI.

It finds the game's window on the accessibility bus, reads what a screen
reader reads (names, descriptions, roles, states), presses keys as the
player would (through XTest, like any key the X server sees), listens for
the notifications a screen reader speaks, and prints what it read and heard
as one JSON object. The test that starts it compares that with the engine.

Usage: screen_reader_client.py --pid PID --bet AMOUNT --keys 2,4
"""

import argparse
import json
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

# Generous: the machine running the tests may be busy.
WAIT_SECONDS = 60.0

CHOOSING = "Click on cards to remove and click Draw to replace"
BETTING_AGAIN = "Change your bet or click Deal to play"
ESCAPE = 0xFF1B  # the keysym
OUTCOMES = ("You're a winner!", "Dealer wins!", "Push.. Split the Pot!")

heard = []  # notification texts, in the order they appeared


def log(*words):
    print(*words, file=sys.stderr, flush=True)


def on_showing(event):
    try:
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            heard.append(event.source.name)
    except Exception as error:  # an object gone meanwhile says nothing
        log("event:", error)


def pump(seconds):
    """Lets the bus deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, predicate, seconds=WAIT_SECONDS):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        try:
            value = predicate()
        except Exception as error:  # the tree may change under the reader
            log("while waiting for", what + ":", error)
            value = None
        if value:
            return value
    raise TimeoutError("no " + what + " within %d s" % seconds)


def find_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


class Table:
    """The table's window as a screen reader sees it."""

    def __init__(self, frame):
        self.frame = frame

    def described(self, description):
        for node in walk(self.frame):
            if node.description == description:
                return node
        raise LookupError("nothing described as " + description)

    def text_of(self, description):
        return self.described(description).name

    def cards(self, whose):
        return [self.text_of("%s card %d" % (whose, n)) for n in range(1, 6)]

    def named(self, name, role):
        for node in walk(self.frame):
            if node.name == name and node.getRole() == role:
                return node
        raise LookupError("no %s named %s" % (role, name))


def press(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    pump(0.15)


def press_with_alt(letter):
    # Alt_L on the server's keymap, held around the letter as a finger holds it.
    alt = 64
    pyatspi.Registry.generateKeyboardEvent(alt, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(ord(letter), None, pyatspi.KEY_SYM)
    pyatspi.Registry.generateKeyboardEvent(alt, None, pyatspi.KEY_RELEASE)
    pump(0.15)


def play(arguments, result):
    app = wait_for("game on the bus", lambda: find_application(arguments.pid))
    frame = wait_for(
        "table window",
        lambda: next((w for w in app if w is not None and w.name == "Velmora 2.1"), None),
    )
    table = Table(frame)
    status = table.described("status line")
    result["statusRole"] = status.getRoleName()

    # Betting: the bet field has the focus.
    bet_field = table.named("New Bet", pyatspi.ROLE_TEXT)
    wait_for("focused bet field", lambda: bet_field.getState().contains(pyatspi.STATE_FOCUSED))
    result["headline"] = table.text_of("headline")
    result["bankBefore"] = table.text_of("bank")
    for digit in arguments.bet:
        press(ord(digit))
    press_with_alt("d")

    # The deal: wait until the status line asks for discards.
    wait_for("request for discards", lambda: table.text_of("status line").strip() == CHOOSING)
    result["pot"] = table.text_of("headline")
    result["lastBet"] = table.text_of("last bet")
    result["dealt"] = table.cards("your")
    result["dealerDealt"] = table.cards("dealer's")

    # The Hint window: a list of the draws, the best selected; Escape leaves the hand.
    press(ord("h"))
    hint = wait_for(
        "Hint window",
        lambda: next(
            (
                w
                for w in app
                if w is not None
                and w.name == "Hint"
                and w.getState().contains(pyatspi.STATE_SHOWING)
            ),
            None,
        ),
    )
    choices = wait_for(
        "list of draws",
        lambda: next((n for n in walk(hint) if n.getRole() == pyatspi.ROLE_LIST), None),
    )
    result["hintListName"] = choices.name
    result["hint"] = [item.name for item in choices]
    result["hintSelected"] = [
        item.name for item in choices if item.getState().contains(pyatspi.STATE_SELECTED)
    ]
    press(ESCAPE)
    wait_for("Hint window closed", lambda: not hint.getState().contains(pyatspi.STATE_SHOWING))

    for key in arguments.keys:
        press(ord(key))
    marked_positions = [int(key) - 1 for key in arguments.keys]
    wait_for(
        "marks",
        lambda: all(
            table.text_of("your card %d" % (p + 1)).endswith(", marked for discard")
            for p in marked_positions
        ),
    )
    result["marked"] = table.cards("your")
    press_with_alt("d")

    # The house draws, turns its cards and the hand is settled.
    result["dealerDraw"] = wait_for(
        "house's draw announced",
        lambda: next((line for line in heard if line.startswith("Dealer takes ")), None),
    )
    result["outcome"] = wait_for(
        "outcome announced", lambda: next((line for line in heard if line in OUTCOMES), None)
    )
    wait_for("betting again", lambda: table.text_of("status line").strip() == BETTING_AGAIN)
    pump(0.5)  # the last announcements of the showdown
    result["dealerFinal"] = table.cards("dealer's")
    result["playerFinal"] = table.cards("your")
    result["announcement"] = table.text_of("announcement")
    result["dealerHand"] = table.text_of("dealer's hand")
    result["playerHand"] = table.text_of("your hand")
    result["bank"] = table.text_of("bank")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--bet", required=True)
    parser.add_argument("--keys", type=lambda text: text.split(","), required=True)
    arguments = parser.parse_args()

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    result = {}
    status = 0
    try:
        play(arguments, result)
    except Exception as error:
        result["error"] = "%s: %s" % (type(error).__name__, error)
        status = 1
    result["heard"] = heard
    print(json.dumps(result, indent=1), flush=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
