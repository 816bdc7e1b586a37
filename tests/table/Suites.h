// The table's test classes, run one after another by one executable.
#pragma once

int RunTableTests(int argc, char** argv);
int RunTableAccessTests(int argc, char** argv);
int RunErrorReportTests(int argc, char** argv);
