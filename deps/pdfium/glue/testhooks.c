/*
** testhooks.c - extra exports of the engine's test variant (pdfium_test.dll,
** libpdfium_test.a), never of the pdfium.dll that ships: they let tests see
** the linear memory's size and force each kind of trap, to check that
** traps are contained.
*/
#ifdef _WIN32
#define FPDF_EXPORT __declspec(dllexport)
#endif
#include "engine.h"
#include "Pdfium.h"

FPDF_EXPORT unsigned long long FPDF_CALLCONV FolivexEngine_MemoryBytes(void)
{
    return EngineState == ENGINE_NONE ? 0 : EngineModule.w2c_memory.size;
}

/* kind 0: out-of-bounds load inside the module; 1: unreachable;
** 2: call-depth exhaustion.  Returns 1 if the call came back normally. */
FPDF_EXPORT int FPDF_CALLCONV FolivexEngine_ForceTrap(int kind)
{
    if (ENGINE_ENTER_FAILS()) return 0;
    if (kind == 0) {
        /* A bitmap "handle" near the top of the 32-bit space: the module
        ** reads its fields far beyond the committed memory. */
        Z_pdfiumZ_FPDFBitmap_GetWidth(&EngineModule, 0xfffffff0u);
    } else if (kind == 1) {
        wasm_rt_trap(WASM_RT_TRAP_UNREACHABLE);
    } else {
        wasm_rt_call_stack_depth = WASM_RT_MAX_CALL_STACK_DEPTH;
        Z_pdfiumZ_FPDF_GetLastError(&EngineModule);
    }
    EngineLeave();
    return 1;
}

/* Nonzero when traps from bad memory accesses come from guard pages rather
** than explicit bounds checks. */
FPDF_EXPORT int FPDF_CALLCONV FolivexEngine_UsesGuardPages(void)
{
    return WASM_RT_MEMCHECK_SIGNAL_HANDLER && EngineFaultHandlerInstalled();
}
