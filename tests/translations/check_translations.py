#!/usr/bin/env python3
"""Checks the game's translations against its sources.

usage: check_translations.py LUPDATE SOURCE_ROOT TS_FILE... -- SOURCE... [-- LUPDATE_OPTION...]

Fails when a .ts file
  - holds an entry that is unfinished, obsolete or vanished, or empty,
  - translates a text without each of its placeholders %1, %2, ... exactly
    as often as the English has it, or with another number of accelerators (&),
  - gives two entries of one menu or dialog the same accelerator letter,
  - differs from what lupdate writes from the sources: a text added, changed
    or removed in the sources and not yet in every .ts file.
Prints one line per language with its counts, then every fault.
"""
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(\d+|n)")

# The entries that share a window's keyboard: menus (with their bar) and
# dialogs, by context and English text. Alt plus the letter must pick one.
ACCELERATOR_GROUPS = {
    "table menu bar": ("velmora::TMainForm", ["&Game", "&Help", "&Draw"]),
    "table menu bar while betting": ("velmora::TMainForm", ["&Game", "&Help", "&Deal"]),
    "Game menu": ("velmora::TMainForm",
                  ["&New Game", "S&ound", "&Statistics...", "&Decks...", "E&xit"]),
    "Help menu": ("velmora::TMainForm", ["&Contents...", "&About... "]),
    "welcome dialog": ("velmora::TIntroDlg", ["E&xit", "&Enter "]),
    "deck dialog": ("velmora::TDecks", ["&OK", "&Cancel"]),
    "bankrupt dialog": ("velmora::TExitDlg", ["&New Game", "View &Stats", "E&xit"]),
    "statistics window": ("velmora::TStatBox", ["S&tats", "&Close"]),
    "Stats menu": ("velmora::TStatBox",
                   ["&Save...", "&Open...", "Current &Game", "&Help...", "&Close"]),
}


def accelerators(text):
    """The letters after a single &, lower case; && is a literal ampersand."""
    return [m.group(1).lower() for m in re.finditer(r"(?<!&)&([^&\s])", text.replace("&&", ""))]


def placeholders(text):
    return collections.Counter(PLACEHOLDER.findall(text))


def check_file(path):
    faults = []
    tree = ET.parse(path)
    language = tree.getroot().get("language", "?")
    translations = {}
    count = 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{os.path.basename(path)}: {name}: {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                faults.append(f"{where}: {kind}")
                continue
            forms = translation.findall("numerusform")
            texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
            for text in texts:
                if source and not text:
                    faults.append(f"{where}: empty translation")
                if placeholders(text) != placeholders(source):
                    faults.append(f"{where}: placeholders {sorted(placeholders(source).elements())}"
                                  f" become {sorted(placeholders(text).elements())} in {text!r}")
                if len(accelerators(text)) != len(accelerators(source)):
                    faults.append(f"{where}: {len(accelerators(source))} accelerator(s) in the"
                                  f" English, {len(accelerators(text))} in {text!r}")
            translations[(name, source)] = texts[0]
    for group, (context, sources) in ACCELERATOR_GROUPS.items():
        seen = {}
        for source in sources:
            text = translations.get((context, source))
            if text is None:
                continue
            for letter in accelerators(text):
                if letter in seen:
                    faults.append(f"{os.path.basename(path)}: {group}: {text!r} and "
                                  f"{seen[letter]!r} share the accelerator {letter!r}")
                seen[letter] = text
    return language, count, faults


def check_drift(lupdate, root, ts_files, sources, options):
    """lupdate on the sources must leave every .ts file as it is."""
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for path in ts_files:
            copy = os.path.join(scratch, os.path.basename(path))
            shutil.copyfile(path, copy)
            copies.append(copy)
        result = subprocess.run([lupdate, *options, "-I", root, *sources, "-ts", *copies],
                                capture_output=True, text=True, cwd=root)
        if result.returncode != 0:
            return [f"lupdate failed: {result.stderr.strip()}"]
        for line in (result.stdout + result.stderr).splitlines():
            if "warning" in line.lower():
                faults.append(f"lupdate: {line.strip()}")
        for path, copy in zip(ts_files, copies):
            if entries(path) != entries(copy):
                faults.append(f"{os.path.basename(path)}: lupdate finds texts the file does "
                              "not hold as they are in the sources; run the target "
                              "update_translations and translate what it adds")
    return faults


def entries(path):
    """What a .ts file says, however a release's lupdate lays it out: every
    entry by its context, English and comment, with its translation and state."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [] if translation is None else [
                translation.text or "", *[(form.text or "") for form in translation.iter("numerusform")]]
            state = None if translation is None else translation.get("type")
            key = (name, message.findtext("source", ""), message.findtext("comment", ""),
                   message.get("numerus", ""))
            found[key] = (tuple(forms), state)
    return found


def main(argv):
    lupdate, root, rest = argv[1], argv[2], argv[3:]
    parts = [[]]
    for argument in rest:
        if argument == "--":
            parts.append([])
        else:
            parts[-1].append(argument)
    ts_files, sources, options = (parts + [[], []])[:3]
    faults = []
    for path in ts_files:
        language, count, file_faults = check_file(path)
        print(f"{language}: {count} texts, {len(file_faults)} faults")
        faults += file_faults
    drift = check_drift(lupdate, root, ts_files, sources, options)
    print(f"lupdate on {len(sources)} source files: "
          f"{'nothing new' if not drift else str(len(drift)) + ' faults'}")
    faults += drift
    for fault in faults:
        print("FAULT:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
