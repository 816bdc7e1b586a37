// The statistics engine's test classes, run one after another by one executable.
#pragma once

int RunGameStatisticsTests(int argc, char** argv);
int RunHandDescriptionTests(int argc, char** argv);
int RunStatisticsFileTests(int argc, char** argv);
