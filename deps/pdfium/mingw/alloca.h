/* MinGW declares alloca in <malloc.h>; wasm2c's output asks for <alloca.h>. */
#include <malloc.h>
