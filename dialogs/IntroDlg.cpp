// IntroDlg: being written.
