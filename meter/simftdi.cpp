// filled in by the simulator work
