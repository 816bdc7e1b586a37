# The simulator and the advisor play the rules by the million. A hand passes
# through many small functions of the rules libraries (a step of the hand, a
# mark, a statistic), each in its own file; optimised at link time, they are
# inlined into the simulator's loop (the README's performance section says
# what that buys). Only the rules libraries and the simulator: the windows
# gain nothing from it and would make every link of a test slower.
# Optimised builds only, where the compiler and linker support it.
include(CheckIPOSupported)
check_ipo_supported(RESULT velmora_link_time_optimisation LANGUAGES CXX)
if(velmora_link_time_optimisation)
  set_target_properties(velmora_cards velmora_money velmora_stats velmora_hand velmora_advice
    velmora_sim_core velmora-sim PROPERTIES INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
endif()
