// About: being written.
