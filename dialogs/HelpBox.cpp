// HelpBox: being written.
