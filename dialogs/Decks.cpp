// Decks: being written.
