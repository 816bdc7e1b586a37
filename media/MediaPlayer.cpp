// Written with the subsystem.
