// The rules engine's test classes, run one after another by one executable.
#pragma once

int RunDeckTests(int argc, char** argv);
int RunEvaluateTests(int argc, char** argv);
int RunDealerStrategyTests(int argc, char** argv);
