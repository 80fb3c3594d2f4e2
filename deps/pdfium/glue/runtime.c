/*
** runtime.c - wasm2c's runtime, with traps sent to the engine's own unwinder.
**
** The runtime is compiled with its guard-page memory reservation and without
** its own fault handler: engine.c installs a narrower one that only handles
** faults inside the linear memory while the module runs.
*/
#include "engine.h"
#define WASM_RT_TRAP_HANDLER EngineTrap
#include "wasm-rt-impl.c"
