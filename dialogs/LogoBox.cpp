// LogoBox: being written.
