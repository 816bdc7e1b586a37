// ExitDlg: being written.
