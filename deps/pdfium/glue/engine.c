/*
** engine.c - the module instance, its imports and trap containment.
**
** The module was compiled by emscripten, so besides the PDFium interface it
** expects emscripten's JavaScript support functions.  They are provided
** here: setjmp/longjmp emulation (invoke_* and _emscripten_throw_longjmp),
** heap growth, the clock, and a file system that does not exist.
**
** A trap (out-of-bounds access, unreachable code, bad indirect call,
** call-depth exhaustion) unwinds to the exported function that entered the
** module; the engine is then marked failed and refuses every call until the
** caller has closed its documents, after which a fresh instance is made.
*/
#define _GNU_SOURCE
#include "engine.h"

#include <stdlib.h>
#include <string.h>
#include <time.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/mman.h>
#include <sys/time.h>
#include <ucontext.h>
#endif

#include "wasm-rt-impl.h"

Z_pdfium_instance_t EngineModule;
int EngineState = ENGINE_NONE;
int EngineDepth;
uint32_t EngineGeneration;
void *EngineTrapJump[5];
uint32_t EngineGetBlockIndex;
uint32_t EnginePauseIndex;

/* Function type ids of the signatures the host calls or provides. */
static uint32_t TypeV, TypeVI, TypeVII, TypeVIII, TypeVIIII, TypeVIIIIIIIII;
static uint32_t TypeII, TypeIII, TypeIIII, TypeIIIII;

/* One pending invoke_* call: where _emscripten_throw_longjmp lands. */
typedef struct InvokeFrame {
    void *jump[5];
    struct InvokeFrame *outer;
    uint32_t depth;
} InvokeFrame;

static InvokeFrame *InvokeTop;
static int FaultHandlerInstalled;

/* ---- Traps ---------------------------------------------------------- */

/* Leaves the module's state as a trap left it: unusable.  The instance is
** kept so that handles stay recognisable until their owners close them. */
static void MarkTrapped(void)
{
    EngineDepth = 0;
    InvokeTop = NULL;
    wasm_rt_call_stack_depth = 0;
    EngineState = ENGINE_FAILED;
}

/* Lands at `place`, armed by __builtin_setjmp in a frame still running.  A
** function of its own, marked noreturn, so that AddressSanitizer builds
** clear the shadow of the frames it skips. */
static __attribute__((noreturn, noinline)) void JumpTo(void **place)
{
    __builtin_longjmp(place, 1);
}

/* Called by the runtime for every trap, and by the fault handler.  Control
** returns to the __builtin_setjmp of the exported function that entered the
** module; with no call in progress there is nothing safe to return to. */
void EngineTrap(int code)
{
    (void)code;
    if (EngineDepth == 0) abort();
    MarkTrapped();
    JumpTo(EngineTrapJump);
}

/* The fault handler redirects the faulting thread here, out of the
** exception dispatcher, and unwinds from an ordinary frame. */
static void EngineFaultResume(void)
{
    EngineTrap(WASM_RT_TRAP_OOB);
}

/* Nonzero when `address` lies in the reserved span of the linear memory and
** the module is running: only such faults are the module's. */
static int IsModuleFault(uintptr_t address)
{
    uintptr_t base = (uintptr_t)EngineModule.w2c_memory.data;
    return EngineDepth > 0 && base != 0 && address >= base && address - base < ENGINE_RESERVATION;
}

#ifdef _WIN32
static LONG CALLBACK EngineFaultFilter(EXCEPTION_POINTERS *info)
{
    EXCEPTION_RECORD *record = info->ExceptionRecord;
    CONTEXT *context = info->ContextRecord;
    if (record->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record->NumberParameters < 2 ||
        !IsModuleFault((uintptr_t)record->ExceptionInformation[1]))
        return EXCEPTION_CONTINUE_SEARCH;
    /* Resume in EngineFaultResume on a fresh, aligned frame below the
  ** faulting one, as if it had been called. */
    context->Rsp = ((context->Rsp - 512) & ~(DWORD64)15) - 8;
    context->Rip = (DWORD64)(uintptr_t)EngineFaultResume;
    return EXCEPTION_CONTINUE_EXECUTION;
}

static void InstallFaultHandler(void)
{
    FaultHandlerInstalled = AddVectoredExceptionHandler(1, EngineFaultFilter) != NULL;
}
#else
static struct sigaction PreviousSegv, PreviousBus;

static void EngineFaultSignal(int sig, siginfo_t *info, void *data)
{
    ucontext_t *context = (ucontext_t *)data;
    if (IsModuleFault((uintptr_t)info->si_addr)) {
        greg_t sp = context->uc_mcontext.gregs[REG_RSP];
        context->uc_mcontext.gregs[REG_RSP] = ((sp - 512) & ~(greg_t)15) - 8;
        context->uc_mcontext.gregs[REG_RIP] = (greg_t)(uintptr_t)EngineFaultResume;
        return;
    }
    /* Not ours: restore the previous disposition and let the fault repeat. */
    sigaction(sig, sig == SIGSEGV ? &PreviousSegv : &PreviousBus, NULL);
}

static void InstallFaultHandler(void)
{
    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_sigaction = EngineFaultSignal;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    FaultHandlerInstalled =
        sigaction(SIGSEGV, &action, &PreviousSegv) == 0 && sigaction(SIGBUS, &action, &PreviousBus) == 0;
}
#endif

int EngineFaultHandlerInstalled(void)
{
    return FaultHandlerInstalled;
}

/* ---- Instance life ------------------------------------------------- */

/* Nonzero when the runtime's up-front reservation can be made; the runtime
** itself would abort the process on failure. */
static int CanReserveMemory(void)
{
#ifdef _WIN32
    void *probe = VirtualAlloc(NULL, ENGINE_RESERVATION, MEM_RESERVE, PAGE_NOACCESS);
    if (!probe) return 0;
    VirtualFree(probe, 0, MEM_RELEASE);
#else
    void *probe = mmap(NULL, ENGINE_RESERVATION, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (probe == MAP_FAILED) return 0;
    munmap(probe, ENGINE_RESERVATION);
#endif
    return 1;
}

/* Registers the module's types once per process, then the host's. */
static void InitialiseRuntime(void)
{
    static int done;
    if (done) return;
    done = 1;
    wasm_rt_init();
    Z_pdfium_init_module();
    TypeV = wasm_rt_register_func_type(0, 0);
    TypeVI = wasm_rt_register_func_type(1, 0, WASM_RT_I32);
    TypeVII = wasm_rt_register_func_type(2, 0, WASM_RT_I32, WASM_RT_I32);
    TypeVIII = wasm_rt_register_func_type(3, 0, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32);
    TypeVIIII = wasm_rt_register_func_type(4, 0, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32);
    TypeVIIIIIIIII = wasm_rt_register_func_type(9, 0, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32,
                                                WASM_RT_I32, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32);
    TypeII = wasm_rt_register_func_type(1, 1, WASM_RT_I32, WASM_RT_I32);
    TypeIII = wasm_rt_register_func_type(2, 1, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32);
    TypeIIII = wasm_rt_register_func_type(3, 1, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32);
    TypeIIIII = wasm_rt_register_func_type(4, 1, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32, WASM_RT_I32);
#if WASM_RT_MEMCHECK_SIGNAL_HANDLER
    InstallFaultHandler();
#endif
}

/* Appends a host function to the module's function table; returns its
** index, which the module can store as a function pointer. */
static uint32_t AddHostFunction(uint32_t type, wasm_rt_function_ptr_t function)
{
    wasm_rt_funcref_t entry;
    entry.func_type = type;
    entry.func = function;
    entry.module_instance = &EngineModule;
    uint32_t index = wasm_rt_grow_funcref_table(&EngineModule.w2c___indirect_function_table, 1, entry);
    if (index == UINT32_MAX) wasm_rt_trap(WASM_RT_TRAP_EXHAUSTION);
    return index;
}

/* Makes a fresh instance and runs the module's static constructors.
** Returns nonzero when the engine is ready. */
int EngineStart(void)
{
    InitialiseRuntime();
    if (!CanReserveMemory()) return 0;
    memset(&EngineModule, 0, sizeof EngineModule);
    EngineGeneration++;
    EngineDepth = 1;
    if (__builtin_setjmp(EngineTrapJump)) return 0;
    Z_pdfium_instantiate(&EngineModule, NULL, NULL);
    EngineState = ENGINE_FAILED; /* until the constructors have run */
    EngineGetBlockIndex = AddHostFunction(TypeIIIII, (wasm_rt_function_ptr_t)HostGetBlock);
    EnginePauseIndex = AddHostFunction(TypeII, (wasm_rt_function_ptr_t)HostNeedToPauseNow);
    Z_pdfiumZ___wasm_call_ctors(&EngineModule);
    EngineDepth = 0;
    EngineState = ENGINE_READY;
    return 1;
}

/* Releases the instance.  `keepMemory` leaves the linear memory mapped for
** bitmaps whose buffers a caller may still hold. */
static void ReleaseInstance(int keepMemory)
{
    wasm_rt_free_funcref_table(&EngineModule.w2c___indirect_function_table);
    if (!keepMemory) wasm_rt_free_memory(&EngineModule.w2c_memory);
    memset(&EngineModule, 0, sizeof EngineModule);
}

void EngineStop(void)
{
    if (EngineState == ENGINE_NONE) return;
    ReleaseInstance(EngineBitmapsAlive());
    EngineState = ENGINE_NONE;
    EngineDepth = 0;
    InvokeTop = NULL;
}

/* ---- setjmp/longjmp emulation -------------------------------------- */

/* Looks up a table entry for an invoke_* call, trapping like call_indirect
** when the index or the signature is wrong. */
static wasm_rt_funcref_t *TableEntry(uint32_t index, uint32_t type)
{
    wasm_rt_funcref_table_t *table = &EngineModule.w2c___indirect_function_table;
    if (index >= table->size || !table->data[index].func || table->data[index].func_type != type)
        wasm_rt_trap(WASM_RT_TRAP_CALL_INDIRECT);
    return &table->data[index];
}

/* Each invoke_* calls a table entry with a landing place for longjmp, as
** emscripten's JavaScript does with try/catch: on a longjmp the module's
** stack pointer is restored and setThrew(1, 0) tells the caller. */
#define INVOKE_BEGIN                                                                                                   \
    InvokeFrame frame;                                                                                                 \
    volatile uint32_t stack = Z_pdfiumZ_emscripten_stack_get_current(&EngineModule);                                   \
    frame.outer = InvokeTop;                                                                                           \
    frame.depth = wasm_rt_call_stack_depth;                                                                            \
    InvokeTop = &frame;                                                                                                \
    if (__builtin_setjmp(frame.jump)) {                                                                                \
        InvokeTop = frame.outer;                                                                                       \
        wasm_rt_call_stack_depth = frame.depth;                                                                        \
        Z_pdfiumZ__emscripten_stack_restore(&EngineModule, stack);                                                     \
        Z_pdfiumZ_setThrew(&EngineModule, 1, 0);                                                                       \
        INVOKE_FAILED;                                                                                                 \
    }

#define INVOKE_END InvokeTop = frame.outer

#define DEFINE_INVOKE_V(name, type, params, types, args)                                                               \
    void Z_envZ_##name(struct Z_env_instance_t *env, uint32_t index params)                                            \
    {                                                                                                                  \
        (void)env;                                                                                                     \
        INVOKE_BEGIN                                                                                                   \
        wasm_rt_funcref_t *f = TableEntry(index, type);                                                                \
        ((void (*)(void *types))f->func)(f->module_instance args);                                                     \
        INVOKE_END;                                                                                                    \
    }

#define DEFINE_INVOKE_I(name, type, params, types, args)                                                               \
    uint32_t Z_envZ_##name(struct Z_env_instance_t *env, uint32_t index params)                                        \
    {                                                                                                                  \
        (void)env;                                                                                                     \
        INVOKE_BEGIN                                                                                                   \
        wasm_rt_funcref_t *f = TableEntry(index, type);                                                                \
        uint32_t result = ((uint32_t(*)(void *types))f->func)(f->module_instance args);                                \
        INVOKE_END;                                                                                                    \
        return result;                                                                                                 \
    }

#define P1 , uint32_t a1
#define P2 P1, uint32_t a2
#define P3 P2, uint32_t a3
#define P4 P3, uint32_t a4
#define P5 P4, uint32_t a5
#define P9 P5, uint32_t a6, uint32_t a7, uint32_t a8, uint32_t a9
#define T1 , uint32_t
#define T2 T1, uint32_t
#define T3 T2, uint32_t
#define T4 T3, uint32_t
#define T9 T4, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t
#define A1 , a1
#define A2 A1, a2
#define A3 A2, a3
#define A4 A3, a4
#define A9 A4, a5, a6, a7, a8, a9

#define INVOKE_FAILED return
DEFINE_INVOKE_V(invoke_v, TypeV, , , )
DEFINE_INVOKE_V(invoke_vi, TypeVI, P1, T1, A1)
DEFINE_INVOKE_V(invoke_vii, TypeVII, P2, T2, A2)
DEFINE_INVOKE_V(invoke_viii, TypeVIII, P3, T3, A3)
DEFINE_INVOKE_V(invoke_viiii, TypeVIIII, P4, T4, A4)
DEFINE_INVOKE_V(invoke_viiiiiiiii, TypeVIIIIIIIII, P9, T9, A9)
#undef INVOKE_FAILED
#define INVOKE_FAILED return 0
DEFINE_INVOKE_I(invoke_ii, TypeII, P1, T1, A1)
DEFINE_INVOKE_I(invoke_iii, TypeIII, P2, T2, A2)
DEFINE_INVOKE_I(invoke_iiii, TypeIIII, P3, T3, A3)
DEFINE_INVOKE_I(invoke_iiiii, TypeIIIII, P4, T4, A4)
#undef INVOKE_FAILED

/* longjmp inside the module: back to the innermost pending invoke_*.
** Without one the longjmp has no target, which is a fault of the module. */
void Z_envZ__emscripten_throw_longjmp(struct Z_env_instance_t *env)
{
    (void)env;
    if (!InvokeTop) wasm_rt_trap(WASM_RT_TRAP_UNREACHABLE);
    JumpTo(InvokeTop->jump);
}

/* ---- Memory ---------------------------------------------------------- */

/* Grows the linear memory to at least `requested` bytes, with some head
** room so that a growing heap does not come back for every page.  The
** memory never moves: the runtime reserved all of it at instantiation. */
uint32_t Z_envZ_emscripten_resize_heap(struct Z_env_instance_t *env, uint32_t requested)
{
    (void)env;
    wasm_rt_memory_t *memory = &EngineModule.w2c_memory;
    uint64_t limit = (uint64_t)memory->max_pages * 65536;
    if (requested <= memory->size) return 1;
    if (requested > limit) return 0;
    uint64_t wanted = (uint64_t)requested + requested / 5;
    if (wanted > limit) wanted = limit;
    uint32_t pages = (uint32_t)((wanted + 65535) / 65536) - memory->pages;
    if (wasm_rt_grow_memory(memory, pages) != UINT32_MAX) return 1;
    pages = (uint32_t)(((uint64_t)requested + 65535) / 65536) - memory->pages;
    return wasm_rt_grow_memory(memory, pages) != UINT32_MAX;
}

void Z_envZ__emscripten_memcpy_js(struct Z_env_instance_t *env, uint32_t dest, uint32_t src, uint32_t n)
{
    (void)env;
    if (!ModuleRange(dest, n) || !ModuleRange(src, n)) wasm_rt_trap(WASM_RT_TRAP_OOB);
    memmove(ModulePointer(dest), ModulePointer(src), n);
}

/* ---- Aborts ------------------------------------------------------------ */

void Z_envZ__abort_js(struct Z_env_instance_t *env)
{
    (void)env;
    wasm_rt_trap(WASM_RT_TRAP_UNREACHABLE);
}

void Z_envZ___assert_fail(struct Z_env_instance_t *env, uint32_t a, uint32_t b, uint32_t c, uint32_t d)
{
    (void)env, (void)a, (void)b, (void)c, (void)d;
    wasm_rt_trap(WASM_RT_TRAP_UNREACHABLE);
}

/* ---- Time: the engine only needs it for document dates; it runs in UTC. */

double Z_envZ_emscripten_date_now(struct Z_env_instance_t *env)
{
    (void)env;
#ifdef _WIN32
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    uint64_t ticks = ((uint64_t)now.dwHighDateTime << 32) | now.dwLowDateTime;
    return (double)((ticks - 116444736000000000ull) / 10000);
#else
    struct timeval now;
    gettimeofday(&now, NULL);
    return (double)now.tv_sec * 1000.0 + (double)(now.tv_usec / 1000);
#endif
}

static void Store32(uint32_t address, uint32_t value)
{
    if (!ModuleRange(address, 4)) wasm_rt_trap(WASM_RT_TRAP_OOB);
    memcpy(ModulePointer(address), &value, 4);
}

/* Writes "UTC" as a zone name of at most 7 bytes plus a zero. */
static void StoreZoneName(uint32_t address)
{
    if (!ModuleRange(address, 4)) wasm_rt_trap(WASM_RT_TRAP_OOB);
    memcpy(ModulePointer(address), "UTC", 4);
}

void Z_envZ__tzset_js(struct Z_env_instance_t *env, uint32_t timezone, uint32_t daylight, uint32_t stdName,
                      uint32_t dstName)
{
    (void)env;
    Store32(timezone, 0);
    Store32(daylight, 0);
    StoreZoneName(stdName);
    StoreZoneName(dstName);
}

/* Fills a struct tm (emscripten layout: nine ints, then tm_gmtoff and
** tm_zone) for a time in seconds, in UTC. */
static void StoreTime(int64_t seconds, uint32_t tm)
{
    int64_t days = seconds / 86400;
    int64_t rest = seconds % 86400;
    if (rest < 0) rest += 86400, days--;
    /* Civil date from a day count (proleptic Gregorian calendar). */
    int64_t z = days + 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t y = yoe + era * 400;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t d = doy - (153 * mp + 2) / 5 + 1;
    int64_t m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2) y++;
    int leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int yday = before[m - 1] + (int)d - 1 + (leap && m > 2);
    int64_t wday = (days + 4) % 7;
    if (wday < 0) wday += 7;
    Store32(tm + 0, (uint32_t)(rest % 60));
    Store32(tm + 4, (uint32_t)(rest / 60 % 60));
    Store32(tm + 8, (uint32_t)(rest / 3600));
    Store32(tm + 12, (uint32_t)d);
    Store32(tm + 16, (uint32_t)(m - 1));
    Store32(tm + 20, (uint32_t)(y - 1900));
    Store32(tm + 24, (uint32_t)wday);
    Store32(tm + 28, (uint32_t)yday);
    Store32(tm + 32, 0);
    Store32(tm + 36, 0);
}

void Z_envZ__gmtime_js(struct Z_env_instance_t *env, uint32_t low, uint32_t high, uint32_t tm)
{
    (void)env;
    StoreTime((int64_t)(((uint64_t)high << 32) | low), tm);
}

void Z_envZ__localtime_js(struct Z_env_instance_t *env, uint32_t low, uint32_t high, uint32_t tm)
{
    (void)env;
    StoreTime((int64_t)(((uint64_t)high << 32) | low), tm);
}

/* ---- File system: there is none.  Errors are emscripten's musl values. */

#define SYSCALL_ENOSYS ((uint32_t)-38)
#define WASI_ENOSYS    52
#define WASI_EFAULT    21

/* A system call or WASI function the module may make and this host does
** not offer: it fails with `error` and touches nothing. */
#define DEFINE_UNSUPPORTED(module, name, error, params)                                                                \
    uint32_t Z_##module##Z_##name(struct Z_##module##_instance_t *instance params)                                     \
    {                                                                                                                  \
        (void)instance;                                                                                                \
        return error;                                                                                                  \
    }

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
DEFINE_UNSUPPORTED(env, __syscall_openat, SYSCALL_ENOSYS, P4)
DEFINE_UNSUPPORTED(env, __syscall_fcntl64, SYSCALL_ENOSYS, P3)
DEFINE_UNSUPPORTED(env, __syscall_ioctl, SYSCALL_ENOSYS, P3)
DEFINE_UNSUPPORTED(env, __syscall_fstat64, SYSCALL_ENOSYS, P2)
DEFINE_UNSUPPORTED(env, __syscall_stat64, SYSCALL_ENOSYS, P2)
DEFINE_UNSUPPORTED(env, __syscall_newfstatat, SYSCALL_ENOSYS, P4)
DEFINE_UNSUPPORTED(env, __syscall_lstat64, SYSCALL_ENOSYS, P2)
DEFINE_UNSUPPORTED(env, __syscall_getdents64, SYSCALL_ENOSYS, P3)
DEFINE_UNSUPPORTED(env, __syscall_unlinkat, SYSCALL_ENOSYS, P3)
DEFINE_UNSUPPORTED(env, __syscall_rmdir, SYSCALL_ENOSYS, P1)
DEFINE_UNSUPPORTED(env, __syscall_ftruncate64, SYSCALL_ENOSYS, P3)
DEFINE_UNSUPPORTED(wasi_snapshot_preview1, fd_close, WASI_ENOSYS, P1)
DEFINE_UNSUPPORTED(wasi_snapshot_preview1, fd_read, WASI_ENOSYS, P4)
DEFINE_UNSUPPORTED(wasi_snapshot_preview1, fd_seek, WASI_ENOSYS, P5)
DEFINE_UNSUPPORTED(wasi_snapshot_preview1, fd_sync, WASI_ENOSYS, P1)
/* An empty environment: nothing to copy out. */
DEFINE_UNSUPPORTED(wasi_snapshot_preview1, environ_get, 0, P2)
#pragma GCC diagnostic pop

/* An empty environment: no variables, no bytes. */
uint32_t Z_wasi_snapshot_preview1Z_environ_sizes_get(struct Z_wasi_snapshot_preview1_instance_t *w, uint32_t count,
                                                     uint32_t size)
{
    (void)w;
    if (!ModuleRange(count, 4) || !ModuleRange(size, 4)) return WASI_EFAULT;
    Store32(count, 0);
    Store32(size, 0);
    return 0;
}

/* Diagnostics the engine prints are dropped; debug builds on Windows pass
** them to the debugger.  The whole length is reported as written. */
uint32_t Z_wasi_snapshot_preview1Z_fd_write(struct Z_wasi_snapshot_preview1_instance_t *w, uint32_t fd, uint32_t iov,
                                            uint32_t count, uint32_t written)
{
    (void)w, (void)fd;
    uint32_t total = 0;
    if (!ModuleRange(iov, (uint64_t)count * 8) || !ModuleRange(written, 4)) return WASI_EFAULT;
    for (uint32_t i = 0; i < count; i++) {
        uint32_t base, length;
        memcpy(&base, ModulePointer(iov + i * 8), 4);
        memcpy(&length, ModulePointer(iov + i * 8 + 4), 4);
        if (!ModuleRange(base, length)) return WASI_EFAULT;
#if defined(_WIN32) && !defined(NDEBUG)
        char line[512];
        uint32_t n = length < sizeof line - 1 ? length : (uint32_t)sizeof line - 1;
        memcpy(line, ModulePointer(base), n);
        line[n] = 0;
        OutputDebugStringA(line);
#endif
        total += length;
    }
    Store32(written, total);
    return 0;
}
