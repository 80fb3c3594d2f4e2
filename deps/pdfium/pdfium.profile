EngineBitmapsAlive
# Func Hash:
24
# Num Counters:
1
# Counter Values:
34

EngineStart
# Func Hash:
187543167020139608
# Num Counters:
3
# Counter Values:
49
0
0

EngineStop
# Func Hash:
175973905
# Num Counters:
2
# Counter Values:
34
0

FPDFBitmap_Create
# Func Hash:
1284034390629212799
# Num Counters:
6
# Counter Values:
305
0
0
305
305
305

FPDFBitmap_Destroy
# Func Hash:
9139315746790755750
# Num Counters:
6
# Counter Values:
305
0
305
0
305
305

FPDFBitmap_FillRect
# Func Hash:
17348302283159659515
# Num Counters:
5
# Counter Values:
305
0
0
305
305

FPDF_CloseDocument
# Func Hash:
17166968148651292152
# Num Counters:
9
# Counter Values:
34
0
34
34
34
34
34
34
34

FPDF_ClosePage
# Func Hash:
2461054019942307734
# Num Counters:
5
# Counter Values:
305
0
0
305
305

FPDF_DestroyLibrary
# Func Hash:
44976264029329
# Num Counters:
5
# Counter Values:
34
34
34
34
34

FPDF_GetLastError
# Func Hash:
18298320041079595248
# Num Counters:
5
# Counter Values:
15
0
0
15
15

FPDF_GetPageCount
# Func Hash:
17348302283159659515
# Num Counters:
5
# Counter Values:
34
0
0
34
34

FPDF_GetPageSizeByIndex
# Func Hash:
5583301690527613949
# Num Counters:
12
# Counter Values:
305
0
0
305
305
305
305
305
305
305
305
305

FPDF_InitLibrary
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

FPDF_LoadMemDocument64
# Func Hash:
16784115644922407813
# Num Counters:
5
# Counter Values:
49
0
0
0
0

FPDF_LoadPage
# Func Hash:
17348302283159659515
# Num Counters:
5
# Counter Values:
305
0
0
305
305

FPDF_RenderPageBitmap
# Func Hash:
16567597457408506915
# Num Counters:
7
# Counter Values:
305
0
305
305
0
305
305

HostGetBlock
# Func Hash:
13585119678522539227
# Num Counters:
10
# Counter Values:
2828
0
2828
2828
2828
2828
0
2828
0
0

Z_envZ___syscall_openat
# Func Hash:
24
# Num Counters:
1
# Counter Values:
84

Z_pdfiumZ_FPDFBitmap_Create
# Func Hash:
24
# Num Counters:
1
# Counter Values:
305

Z_pdfiumZ_FPDFBitmap_Destroy
# Func Hash:
24
# Num Counters:
1
# Counter Values:
305

Z_pdfiumZ_FPDFBitmap_FillRect
# Func Hash:
24
# Num Counters:
1
# Counter Values:
305

Z_pdfiumZ_FPDF_CloseDocument
# Func Hash:
24
# Num Counters:
1
# Counter Values:
34

Z_pdfiumZ_FPDF_ClosePage
# Func Hash:
24
# Num Counters:
1
# Counter Values:
305

Z_pdfiumZ_FPDF_DestroyLibrary
# Func Hash:
24
# Num Counters:
1
# Counter Values:
34

Z_pdfiumZ_FPDF_GetLastError
# Func Hash:
24
# Num Counters:
1
# Counter Values:
15

Z_pdfiumZ_FPDF_GetPageCount
# Func Hash:
24
# Num Counters:
1
# Counter Values:
34

Z_pdfiumZ_FPDF_GetPageSizeByIndex
# Func Hash:
24
# Num Counters:
1
# Counter Values:
305

Z_pdfiumZ_FPDF_InitLibrary
# Func Hash:
24
# Num Counters:
1
# Counter Values:
49

Z_pdfiumZ_FPDF_LoadCustomDocument
# Func Hash:
24
# Num Counters:
1
# Counter Values:
49

Z_pdfiumZ_FPDF_LoadPage
# Func Hash:
24
# Num Counters:
1
# Counter Values:
305

Z_pdfiumZ_FPDF_RenderPageBitmap
# Func Hash:
24
# Num Counters:
1
# Counter Values:
305

Z_pdfiumZ___wasm_call_ctors
# Func Hash:
24
# Num Counters:
1
# Counter Values:
49

Z_pdfiumZ_free
# Func Hash:
24
# Num Counters:
1
# Counter Values:
49

Z_pdfiumZ_malloc
# Func Hash:
24
# Num Counters:
1
# Counter Values:
98

Z_pdfium_init_module
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

Z_pdfium_instantiate
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

Z_wasi_snapshot_preview1Z_environ_get
# Func Hash:
24
# Num Counters:
1
# Counter Values:
49

Z_wasi_snapshot_preview1Z_environ_sizes_get
# Func Hash:
45039615575128
# Num Counters:
4
# Counter Values:
49
0
49
49

api.c:ClaimSource
# Func Hash:
6879885899628692016
# Num Counters:
5
# Counter Values:
49
0
0
0
0

api.c:CopyInString
# Func Hash:
1549
# Num Counters:
2
# Counter Values:
49
0

api.c:EngineEnter
# Func Hash:
45046158689368
# Num Counters:
4
# Counter Values:
2350
0
2350
2350

api.c:EngineLeave
# Func Hash:
0
# Num Counters:
1
# Counter Values:
2350

api.c:EnsureEngine
# Func Hash:
4034923498323706100
# Num Counters:
11
# Counter Values:
403
354
0
0
0
49
49
0
49
49
0

api.c:FromHandle
# Func Hash:
45039716238424
# Num Counters:
4
# Counter Values:
2203
0
2203
2203

api.c:LoadDouble
# Func Hash:
24
# Num Counters:
1
# Counter Values:
610

api.c:LoadSource
# Func Hash:
2270121761456910665
# Num Counters:
17
# Counter Values:
49
0
0
0
49
49
49
49
49
0
0
49
0
49
0
0
15

api.c:ModulePointer
# Func Hash:
24
# Num Counters:
1
# Counter Values:
3487

api.c:ModuleRange
# Func Hash:
1565
# Num Counters:
1
# Counter Values:
2828

api.c:ToHandle
# Func Hash:
11178443864
# Num Counters:
2
# Counter Values:
644
0

engine.c:AddHostFunction
# Func Hash:
175973464
# Num Counters:
2
# Counter Values:
98
0

engine.c:CanReserveMemory
# Func Hash:
11262329944
# Num Counters:
2
# Counter Values:
49
0

engine.c:InitialiseRuntime
# Func Hash:
2696721
# Num Counters:
2
# Counter Values:
49
0

engine.c:InstallFaultHandler
# Func Hash:
59359
# Num Counters:
3
# Counter Values:
49
49
49

engine.c:ModulePointer
# Func Hash:
24
# Num Counters:
1
# Counter Values:
98

engine.c:ModuleRange
# Func Hash:
1565
# Num Counters:
1
# Counter Values:
196

engine.c:ReleaseInstance
# Func Hash:
2729105
# Num Counters:
2
# Counter Values:
34
34

engine.c:Store32
# Func Hash:
2729105
# Num Counters:
2
# Counter Values:
98
0

pdfium-main.c:funcref_table_init
# Func Hash:
10351264254053627018
# Num Counters:
4
# Counter Values:
49
0
0
150920

pdfium-main.c:init_data_instances
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

pdfium-main.c:init_elem_instances
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

pdfium-main.c:init_func_types
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

pdfium-main.c:init_globals
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

pdfium-main.c:init_instance_import
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

pdfium-main.c:init_memories
# Func Hash:
17673164880690182472
# Num Counters:
5
# Counter Values:
49
0
0
0
0

pdfium-main.c:init_tables
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

pdfium-main.c:load_data
# Func Hash:
0
# Num Counters:
1
# Counter Values:
98

pdfium-part00.c:f32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
280147

pdfium-part00.c:f32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
212423

pdfium-part00.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
65955661

pdfium-part00.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
31396

pdfium-part00.c:i32_load8_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
484424

pdfium-part00.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
5771280

pdfium-part00.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
23505234

pdfium-part00.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
143769

pdfium-part00.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
5548349

pdfium-part00.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
7292675

pdfium-part00.c:i64_load32_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
135701

pdfium-part00.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
5223494

pdfium-part00.c:i64_store32
# Func Hash:
0
# Num Counters:
1
# Counter Values:
28740

pdfium-part00.c:w2c_f7256
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
781
0
781
781
781

pdfium-part00.c:w2c_f7257
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
1118639
0
1118639
1118639
1118639

pdfium-part00.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
5154
0
5154
0

pdfium-part00.c:wasm_ceilf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
149
0

pdfium-part00.c:wasm_fabs
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
743
0

pdfium-part00.c:wasm_fabsf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
464500
0

pdfium-part00.c:wasm_sqrtf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
694
0

pdfium-part01.c:f32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
12383646

pdfium-part01.c:f32_reinterpret_i32
# Func Hash:
24
# Num Counters:
1
# Counter Values:
901006

pdfium-part01.c:f32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
4722944

pdfium-part01.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
56139039

pdfium-part01.c:i32_load16_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
46

pdfium-part01.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
73233683

pdfium-part01.c:i32_load8_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
18819

pdfium-part01.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
464276807

pdfium-part01.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
10626920

pdfium-part01.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
72068345

pdfium-part01.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
204046470

pdfium-part01.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
2532941

pdfium-part01.c:i64_load32_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1805

pdfium-part01.c:i64_load32_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1541

pdfium-part01.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
8336632

pdfium-part01.c:w2c_f7256
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
48742
0
48742
48742
48742

pdfium-part01.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
36373
0
36373
0

pdfium-part01.c:wasm_ceilf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
680
0

pdfium-part01.c:wasm_fabs
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
14697
0

pdfium-part01.c:wasm_fabsf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
2777338
0

pdfium-part01.c:wasm_floorf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
451108
0

pdfium-part01.c:wasm_quietf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
1836
0

pdfium-part02.c:f32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1394016

pdfium-part02.c:f32_reinterpret_i32
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1066

pdfium-part02.c:f32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
1213603

pdfium-part02.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
82955233

pdfium-part02.c:i32_load16_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
7426

pdfium-part02.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
71690978

pdfium-part02.c:i32_load8_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
224

pdfium-part02.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
102032895

pdfium-part02.c:i32_reinterpret_f32
# Func Hash:
24
# Num Counters:
1
# Counter Values:
4

pdfium-part02.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
60710271

pdfium-part02.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
71556786

pdfium-part02.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
74433566

pdfium-part02.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
14130744

pdfium-part02.c:i64_load32_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
28

pdfium-part02.c:i64_load32_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
7

pdfium-part02.c:i64_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
28816

pdfium-part02.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
26496890

pdfium-part02.c:w2c_f7256
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
409427
0
409427
409427
409427

pdfium-part02.c:w2c_f7257
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
271
0
271
271
271

pdfium-part02.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
57443
0
57443
0

pdfium-part02.c:wasm_ceil
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
56
0

pdfium-part02.c:wasm_ceilf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
2
0

pdfium-part02.c:wasm_fabs
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
1094
0

pdfium-part02.c:wasm_fabsf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
4666
0

pdfium-part02.c:wasm_floor
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
1038
0

pdfium-part02.c:wasm_quietf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
56
0

pdfium-part03.c:f32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
379389

pdfium-part03.c:f32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
257837

pdfium-part03.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
10685413

pdfium-part03.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
24

pdfium-part03.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1337938

pdfium-part03.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
3608415

pdfium-part03.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
873

pdfium-part03.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
103474

pdfium-part03.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
613384

pdfium-part03.c:i64_load32_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
7

pdfium-part03.c:i64_load32_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
10

pdfium-part03.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
1015150

pdfium-part03.c:w2c_f7256
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
49
0
49
49
49

pdfium-part03.c:w2c_f7257
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
204
0
204
204
204

pdfium-part03.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
50146
0
50146
0

pdfium-part03.c:wasm_fabsf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
201
0

pdfium-part04.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
836470

pdfium-part04.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
3536

pdfium-part04.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
385974

pdfium-part04.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
3833

pdfium-part04.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
8662

pdfium-part04.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
13718

pdfium-part05.c:f32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
610

pdfium-part05.c:f32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
610

pdfium-part05.c:f64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
610

pdfium-part05.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
2610544

pdfium-part05.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
305

pdfium-part05.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
201007

pdfium-part05.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
354473364

pdfium-part05.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
351751

pdfium-part05.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
468

pdfium-part05.c:i64_load32_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
2877

pdfium-part05.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
1297

pdfium-part05.c:wasm_quietf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
610
0

pdfium-part06.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
42272752

pdfium-part06.c:i32_load16_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
618119

pdfium-part06.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
2519918

pdfium-part06.c:i32_load8_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
64145

pdfium-part06.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
22919817

pdfium-part06.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
19335004

pdfium-part06.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
480790

pdfium-part06.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
4985371

pdfium-part06.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1305649

pdfium-part06.c:i64_load16_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
512

pdfium-part06.c:i64_load32_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
5227898

pdfium-part06.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
2336031

pdfium-part06.c:i64_store32
# Func Hash:
0
# Num Counters:
1
# Counter Values:
50966

pdfium-part06.c:w2c_f7256
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
144160
0
144160
144160
144160

pdfium-part06.c:w2c_f7257
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
709
0
709
709
709

pdfium-part06.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
82834
0
82834
0

pdfium-part07.c:f32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
17722

pdfium-part07.c:f32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
9377

pdfium-part07.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
20481138

pdfium-part07.c:i32_load16_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
428

pdfium-part07.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
38491

pdfium-part07.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
138666

pdfium-part07.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
7112285

pdfium-part07.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
56194

pdfium-part07.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
636626

pdfium-part07.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
78376

pdfium-part07.c:i64_load32_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
340838

pdfium-part07.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
547787

pdfium-part07.c:i64_store32
# Func Hash:
0
# Num Counters:
1
# Counter Values:
340838

pdfium-part07.c:w2c_f7257
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
107
0
107
107
107

pdfium-part07.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
10299
0
10299
0

pdfium-part07.c:wasm_fabsf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
1059
0

pdfium-part07.c:wasm_floorf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
4
0

pdfium-part10.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
717555

pdfium-part10.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1298288

pdfium-part10.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
14260657

pdfium-part10.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
494934

pdfium-part10.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
1051743

pdfium-part10.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
5064745

pdfium-part10.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
8146

pdfium-part10.c:w2c_f7256
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
822
0
517
517
517

pdfium-part11.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
7079831

pdfium-part11.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
454406

pdfium-part11.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
973880

pdfium-part11.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
542642

pdfium-part11.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
8332

pdfium-part11.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
453392

pdfium-part11.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
24330

pdfium-part11.c:i64_load32_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
92

pdfium-part11.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
64538

pdfium-part11.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
317
0
317
0

pdfium-part12.c:f32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1273231

pdfium-part12.c:f32_reinterpret_i32
# Func Hash:
24
# Num Counters:
1
# Counter Values:
97

pdfium-part12.c:f32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
812840

pdfium-part12.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
13522945

pdfium-part12.c:i32_load16_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
470790

pdfium-part12.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
190069

pdfium-part12.c:i32_reinterpret_f32
# Func Hash:
24
# Num Counters:
1
# Counter Values:
936

pdfium-part12.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
4370833

pdfium-part12.c:i32_store16
# Func Hash:
0
# Num Counters:
1
# Counter Values:
61907

pdfium-part12.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
903064

pdfium-part12.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
1075614

pdfium-part12.c:i64_load32_s
# Func Hash:
24
# Num Counters:
1
# Counter Values:
2

pdfium-part12.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
1170286

pdfium-part12.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
11
0
11
0

pdfium-part12.c:wasm_fabsf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
348800
0

pdfium-part13.c:f32_reinterpret_i32
# Func Hash:
24
# Num Counters:
1
# Counter Values:
765

pdfium-part13.c:f64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
8415

pdfium-part13.c:f64_reinterpret_i64
# Func Hash:
24
# Num Counters:
1
# Counter Values:
765

pdfium-part13.c:i32_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
37788813

pdfium-part13.c:i32_load8_u
# Func Hash:
24
# Num Counters:
1
# Counter Values:
10414118

pdfium-part13.c:i32_reinterpret_f32
# Func Hash:
24
# Num Counters:
1
# Counter Values:
461280

pdfium-part13.c:i32_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
26295939

pdfium-part13.c:i32_store8
# Func Hash:
0
# Num Counters:
1
# Counter Values:
120

pdfium-part13.c:i64_load
# Func Hash:
24
# Num Counters:
1
# Counter Values:
765

pdfium-part13.c:i64_reinterpret_f64
# Func Hash:
24
# Num Counters:
1
# Counter Values:
2277

pdfium-part13.c:i64_store
# Func Hash:
0
# Num Counters:
1
# Counter Values:
319763

pdfium-part13.c:w2c_f7256
# Func Hash:
44959121089624
# Num Counters:
5
# Counter Values:
72221
0
72221
72221
72221

pdfium-part13.c:w2c_f7258
# Func Hash:
10979714136
# Num Counters:
4
# Counter Values:
65047
0
65047
0

pdfium-part13.c:wasm_fabs
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
743
0

pdfium-part13.c:wasm_fabsf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
451563
0

pdfium-part13.c:wasm_quiet
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
978
0

pdfium-part13.c:wasm_quietf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
1788
0

pdfium-part13.c:wasm_sqrtf
# Func Hash:
715553080408
# Num Counters:
2
# Counter Values:
142
0

runtime.c:func_types_are_equal
# Func Hash:
14316313526466405257
# Num Counters:
8
# Counter Values:
828982
782579
81340
46403
95942
43561
2548
2352

runtime.c:os_mmap
# Func Hash:
11262329944
# Num Counters:
2
# Counter Values:
49
0

runtime.c:os_mprotect
# Func Hash:
24
# Num Counters:
1
# Counter Values:
49

runtime.c:os_munmap
# Func Hash:
24
# Num Counters:
1
# Counter Values:
34

w2c_FPDFBitmap_Create
# Func Hash:
17628076994048345803
# Num Counters:
17
# Counter Values:
305
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
305

w2c_FPDFBitmap_Destroy
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
305
0
0
0
0
0
0
305
305
305
305
305
0
305

w2c_FPDFBitmap_FillRect
# Func Hash:
7975521961915658038
# Num Counters:
72
# Counter Values:
305
0
305
305
0
0
0
0
305
305
0
0
0
0
0
0
0
0
0
0
0
305
0
305
369312
0
0
0
0
0
369312
0
0
369312
0
44256500
43887188
369312
369007
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
305
305
0
305
0
0
0
0
0
0
305
0
305

w2c_FPDF_CloseDocument
# Func Hash:
11754534144691285177
# Num Counters:
16
# Counter Values:
34
0
34
34
34
34
34
34
0
0
0
34
34
34
34
34

w2c_FPDF_ClosePage
# Func Hash:
9334433650542141950
# Num Counters:
28
# Counter Values:
305
0
0
0
0
305
305
305
305
0
0
0
305
305
305
305
305
0
0
0
0
305
305
305
305
305
0
305

w2c_FPDF_DestroyLibrary
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
34
0
0
34

w2c_FPDF_GetLastError
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
15
0

w2c_FPDF_GetPageCount
# Func Hash:
10027203241802359085
# Num Counters:
13
# Counter Values:
34
0
34
34
34
0
0
0
0
0
0
34
34

w2c_FPDF_GetPageSizeByIndex
# Func Hash:
17923340383927127459
# Num Counters:
7
# Counter Values:
305
0
0
0
305
305
305

w2c_FPDF_GetPageSizeByIndexF
# Func Hash:
7777739092636011574
# Num Counters:
17
# Counter Values:
305
0
0
0
0
0
0
0
0
0
305
305
305
305
305
0
305

w2c_FPDF_InitLibrary
# Func Hash:
2939150446183489
# Num Counters:
4
# Counter Values:
49
0
0
49

w2c_FPDF_LoadCustomDocument
# Func Hash:
12850179049831770499
# Num Counters:
7
# Counter Values:
49
0
49
49
0
0
49

w2c_FPDF_LoadPage
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
305
0
305
305
305

w2c_FPDF_RenderPageBitmap
# Func Hash:
1727434026645334248
# Num Counters:
16
# Counter Values:
305
0
0
0
0
305
0
0
0
0
0
0
305
305
0
305

w2c___wasm_call_ctors
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_emscripten_stack_init
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f100
# Func Hash:
4888817486546861355
# Num Counters:
11
# Counter Values:
3807
0
0
0
3807
0
0
3807
0
0
3807

w2c_f1005
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
616
0
616
616

w2c_f1006
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1007
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1009
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1010
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1014
# Func Hash:
13272053031961905728
# Num Counters:
53
# Counter Values:
33
0
33
0
33
33
0
0
0
0
0
0
0
0
33
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
33

w2c_f102
# Func Hash:
188105647748367425
# Num Counters:
4
# Counter Values:
454545
0
1098
454545

w2c_f104
# Func Hash:
2818007264542510177
# Num Counters:
9
# Counter Values:
434
0
0
0
0
434
0
0
434

w2c_f105
# Func Hash:
6921460295858884557
# Num Counters:
4
# Counter Values:
453447
0
453447
453447

w2c_f106
# Func Hash:
7219878097791564989
# Num Counters:
7
# Counter Values:
437
0
437
0
0
437
437

w2c_f107
# Func Hash:
12554932547477064986
# Num Counters:
17
# Counter Values:
40425
0
0
40425
40425
40425
40425
0
0
0
0
0
0
0
0
0
40425

w2c_f108
# Func Hash:
6741169256649816688
# Num Counters:
13
# Counter Values:
40425
0
0
0
40425
0
0
40425
0
40425
40425
0
40425

w2c_f109
# Func Hash:
1168242325309295234
# Num Counters:
21
# Counter Values:
23
0
0
23
0
23
23
0
0
0
0
23
23
23
0
23
0
0
23
0
23

w2c_f111
# Func Hash:
12361466744906807012
# Num Counters:
27
# Counter Values:
92
0
0
0
92
92
184
92
92
0
92
0
92
0
0
0
0
0
0
0
0
0
0
0
0
0
92

w2c_f1128
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
15
0

w2c_f113
# Func Hash:
10361091629971012266
# Num Counters:
14
# Counter Values:
115
0
0
0
0
46
368
0
0
69
0
0
115
115

w2c_f1130
# Func Hash:
13100816684858489613
# Num Counters:
18
# Counter Values:
228634
0
0
0
28516
0
0
28506
228634
228634
113995
228634
228634
113979
0
228634
0
228634

w2c_f1132
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
618
0

w2c_f1133
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
19
0

w2c_f1135
# Func Hash:
1401449874920304875
# Num Counters:
6
# Counter Values:
928
0
928
928
608
928

w2c_f1136
# Func Hash:
3645660961673823193
# Num Counters:
20
# Counter Values:
309
0
0
0
309
0
0
309
0
0
0
0
0
0
0
0
0
309
0
309

w2c_f1138
# Func Hash:
16147709651101568982
# Num Counters:
46
# Counter Values:
327
0
327
327
0
0
0
327
327
0
327
327
327
327
0
0
0
327
327
0
327
327
327
327
0
0
0
327
327
0
327
327
327
327
0
0
0
327
327
0
327
327
327
327
327
327

w2c_f1139
# Func Hash:
8440521746008799278
# Num Counters:
40
# Counter Values:
1
0
0
0
0
0
1
1
0
1
0
0
0
0
1
1
0
1
0
0
0
0
0
1
1
0
1
0
0
0
0
1
1
0
1
0
1
1
1
1

w2c_f114
# Func Hash:
9336947029670486435
# Num Counters:
12
# Counter Values:
23
0
0
0
207
0
0
23
0
0
23
23

w2c_f1142
# Func Hash:
13099140409847239325
# Num Counters:
14
# Counter Values:
35
0
0
0
3
0
0
1
0
0
1
0
0
35

w2c_f1143
# Func Hash:
13933581570759022931
# Num Counters:
6
# Counter Values:
1038
0
252
450
486
273

w2c_f1148
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
4
0

w2c_f1150
# Func Hash:
17241951246241095113
# Num Counters:
30
# Counter Values:
4
0
0
0
0
4
4
0
4
0
0
0
4
4
0
4
0
0
0
4
4
0
4
0
0
0
4
4
0
4

w2c_f1151
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
5
0

w2c_f1152
# Func Hash:
188105650969592897
# Num Counters:
4
# Counter Values:
532
0
0
532

w2c_f1155
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
2
0

w2c_f1156
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
28501
0

w2c_f1159
# Func Hash:
6388256261143306673
# Num Counters:
9
# Counter Values:
229
0
0
229
0
0
0
0
229

w2c_f1160
# Func Hash:
6388256261143306673
# Num Counters:
9
# Counter Values:
224
0
0
0
0
0
0
0
224

w2c_f1161
# Func Hash:
12430999182130955225
# Num Counters:
14
# Counter Values:
5
0
2
3
0
3
5
3
3
0
0
0
0
0

w2c_f1162
# Func Hash:
12430999182130955225
# Num Counters:
14
# Counter Values:
29068
0
314
0
1
1
29068
1
28754
1
2
3
0
0

w2c_f1165
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
858406
0

w2c_f1166
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
30
0

w2c_f1167
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
28489
0

w2c_f1168
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
28723
0

w2c_f1170
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28747
0

w2c_f1172
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
610
0

w2c_f1173
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
527
0

w2c_f1174
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1137
0

w2c_f1175
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
925
0

w2c_f1177
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
925
0
10
925

w2c_f1179
# Func Hash:
11490945102100478126
# Num Counters:
20
# Counter Values:
610
0
0
0
0
0
0
610
0
0
0
0
0
0
0
0
0
0
0
610

w2c_f1180
# Func Hash:
18380368568947532208
# Num Counters:
78
# Counter Values:
610
0
610
610
0
0
0
0
544
0
0
0
0
66
66
66
66
66
0
66
0
544
0
0
0
0
0
0
0
0
0
0
0
0
0
54
544
544
544
0
544
0
544
544
544
0
544
544
0
0
544
544
245
429
130
544
544
0
0
544
245
544
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
610

w2c_f1181
# Func Hash:
3340014695973976262
# Num Counters:
27
# Counter Values:
2115
0
1809
1809
0
0
0
0
0
0
0
0
0
612
1809
0
0
1809
891
2142
1224
1809
891
1809
0
0
2115

w2c_f1182
# Func Hash:
14099593001901321544
# Num Counters:
28
# Counter Values:
25
0
25
25
0
0
0
0
0
0
0
0
0
0
25
25
25
0
25
25
0
0
25
25
25
0
0
25

w2c_f1183
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1
0

w2c_f1184
# Func Hash:
4079372371690981875
# Num Counters:
24
# Counter Values:
306
0
306
0
0
306
306
0
0
306
0
306
0
0
306
0
306
0
0
306
0
306
0
306

w2c_f1185
# Func Hash:
14144642815372112814
# Num Counters:
17
# Counter Values:
19
0
19
19
0
0
0
0
0
86
0
0
0
0
67
19
19

w2c_f1186
# Func Hash:
1735427627554559872
# Num Counters:
68
# Counter Values:
224
0
0
0
0
0
0
471
247
0
0
0
0
0
0
0
247
235
0
0
247
0
0
0
0
224
23
224
448
23
471
0
0
448
0
19
4
0
23
19
0
19
8
15
11
4
4
4
8
4
4
11
2
0
0
2
2
0
448
471
0
0
0
0
247
224
0
224

w2c_f1187
# Func Hash:
3340199096328775636
# Num Counters:
11
# Counter Values:
457
0
429
28
28
16
429
23
206
23
457

w2c_f1188
# Func Hash:
5763500136332245661
# Num Counters:
6
# Counter Values:
1
0
0
5
4
1

w2c_f1189
# Func Hash:
8499450616975271668
# Num Counters:
10
# Counter Values:
35
0
0
0
0
0
35
0
35
35

w2c_f119
# Func Hash:
12445575573364059600
# Num Counters:
14
# Counter Values:
101
0
30
69
2
69
69
0
0
30
0
99
30
101

w2c_f1190
# Func Hash:
6373514420062981062
# Num Counters:
60
# Counter Values:
2
0
0
2
0
2
0
10
0
0
0
0
0
0
0
0
10
0
0
10
10
0
0
0
0
10
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
10
0
0
0
0
2
8
8
0
2
0
2
0
0
2

w2c_f1191
# Func Hash:
1262559106375874920
# Num Counters:
34
# Counter Values:
340
0
0
0
0
0
0
0
340
0
340
0
340
0
340
340
0
340
340
0
340
1360
0
1020
338
0
340
2
0
340
338
0
340
340

w2c_f1193
# Func Hash:
18162763962539103111
# Num Counters:
62
# Counter Values:
328
0
0
0
0
0
2
2
328
23
305
305
23
0
0
0
0
0
6
15
2
6
15
0
0
21
21
0
21
21
0
21
78
0
21
2
21
21
21
0
0
0
0
21
21
66
30
30
60
0
0
0
0
45
15
13
2
15
21
328
328
328

w2c_f1194
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
246
0

w2c_f1196
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
246
0
0
246

w2c_f120
# Func Hash:
11797100549166021604
# Num Counters:
13
# Counter Values:
489753
0
0
0
340270
149483
340270
0
43361
43361
1407
0
489753

w2c_f1201
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
201
0
201
201

w2c_f1202
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
308
0

w2c_f1204
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
518
0
516
518

w2c_f1205
# Func Hash:
9045133324395381491
# Num Counters:
7
# Counter Values:
210
0
210
0
210
0
210

w2c_f1206
# Func Hash:
14432364040305963433
# Num Counters:
8
# Counter Values:
84
0
84
0
0
0
0
84

w2c_f1210
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
450464
0

w2c_f1212
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
450464
0

w2c_f1213
# Func Hash:
4524422580398269602
# Num Counters:
11
# Counter Values:
897790
0
0
897790
0
897790
0
897790
0
897790
897790

w2c_f1219
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1220
# Func Hash:
11211970584
# Num Counters:
2
# Counter Values:
49
0

w2c_f1222
# Func Hash:
3906759471355085119
# Num Counters:
52
# Counter Values:
9381
0
9161
183
36
1
1
1
0
0
0
0
0
0
0
0
0
0
0
220
220
220
220
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
9381
9381
52965
0
43584
0
0
43584
0
0
9381

w2c_f1223
# Func Hash:
17904786096242985873
# Num Counters:
28
# Counter Values:
9381
0
0
0
0
46059
9381
16294
16294
36678
9381
3844
33989
13425
20551
13425
6
7106
73701
13397
60282
33948
28452
9340
0
3
31
9381

w2c_f1226
# Func Hash:
748653839697887832
# Num Counters:
23
# Counter Values:
28501
0
0
450464
1569
0
0
0
0
0
448883
0
0
420394
420394
299153
0
18626
0
448895
450464
421963
28501

w2c_f1229
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
9381
0

w2c_f1231
# Func Hash:
4628846251987802677
# Num Counters:
17
# Counter Values:
14697
0
14697
0
0
14697
14697
0
0
0
14697
14697
0
14697
14697
14697
14697

w2c_f1232
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
3996
0
3996
3996

w2c_f1233
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
3996
0
0
0
0
0
0
3996
3996
3996
3996
3996
0
3996

w2c_f1234
# Func Hash:
16480112537223568875
# Num Counters:
29
# Counter Values:
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
128
0
128

w2c_f1236
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
153
0

w2c_f1242
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
23
0

w2c_f1243
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
23
0

w2c_f1244
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
23
0

w2c_f1245
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
23
0

w2c_f1246
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
23
0

w2c_f1249
# Func Hash:
9843100009534461118
# Num Counters:
114
# Counter Values:
3984
0
0
0
0
3984
3984
0
3984
0
0
0
3984
3984
0
3984
0
0
0
3984
3984
0
3984
0
0
0
3984
3984
0
3984
3455
529
0
529
529
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
529
529
0
0
0
0
0
0
0
0
0
0
0
3984
0
3984
0
0
3984
3455
0
0
529
0
0
0
0
0
0
0
0
3984
0
0
0
0
0
32
0
3952
0
0
0
0
0
0
0
0
0
0
3952
0
3952
3952
3952
0
48742
0
48742
44790
32
3984
0
3984

w2c_f1258
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
419
0

w2c_f1260
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
3781
0

w2c_f1261
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
26944
0

w2c_f1262
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
5600
0

w2c_f1263
# Func Hash:
11211969368
# Num Counters:
3
# Counter Values:
3535
0
0

w2c_f1266
# Func Hash:
45924230158029
# Num Counters:
4
# Counter Values:
3535
0
0
0

w2c_f1271
# Func Hash:
8583367703424656677
# Num Counters:
44
# Counter Values:
130
0
0
0
0
126
0
0
4
0
0
0
0
0
0
0
0
0
0
126
126
0
0
0
0
0
0
0
126
0
126
0
0
0
0
0
0
0
0
126
0
4
0
130

w2c_f1272
# Func Hash:
4691812646565048847
# Num Counters:
6
# Counter Values:
130
0
130
130
130
130

w2c_f1273
# Func Hash:
6274221483859642136
# Num Counters:
7
# Counter Values:
130
0
0
0
0
0
130

w2c_f1274
# Func Hash:
11211970200
# Num Counters:
2
# Counter Values:
23
0

w2c_f1275
# Func Hash:
7376260846381986793
# Num Counters:
26
# Counter Values:
128
0
128
0
0
0
0
0
0
0
0
128
0
128
128
0
0
0
0
0
0
0
0
128
0
128

w2c_f1276
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
128
0

w2c_f1277
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
23
0

w2c_f1278
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
23
0
23
23

w2c_f1283
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
134
0

w2c_f1286
# Func Hash:
3719442536076251567
# Num Counters:
38
# Counter Values:
134
0
4
0
130
0
0
0
0
0
0
134
27
134
111
134
4
0
2
0
0
128
128
128
128
134
134
0
0
0
0
0
0
0
0
134
0
134

w2c_f1287
# Func Hash:
12596861588749960957
# Num Counters:
19
# Counter Values:
23
0
23
23
23
0
0
0
0
0
0
0
0
0
23
0
23
0
23

w2c_f1292
# Func Hash:
10065350613222285552
# Num Counters:
30
# Counter Values:
107
0
107
107
0
102
102
401
299
107
0
187710
187603
107
107
107
107
107
0
0
0
0
0
0
0
0
107
0
0
107

w2c_f1293
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
153
0
153
153
153

w2c_f1305
# Func Hash:
8721325305857309879
# Num Counters:
26
# Counter Values:
450452
0
450322
130
0
0
0
0
0
0
0
0
0
450452
0
0
450452
0
0
0
0
0
0
450452
0
450452

w2c_f1307
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
128
0

w2c_f1309
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
128
0
128
128

w2c_f1310
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
128
0
128
0
0
128

w2c_f1311
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
726
0
427
0
299
726

w2c_f1312
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
128
0
0
0
21
0
0
107
107
107
107
128
0
128

w2c_f1315
# Func Hash:
5185235596538032579
# Num Counters:
37
# Counter Values:
450452
0
450452
450452
0
0
0
450452
450452
0
450452
0
0
0
450452
450452
0
450452
0
0
0
450452
450452
0
450452
0
0
0
450452
450452
0
450452
14441
14441
450452
0
450452

w2c_f1316
# Func Hash:
1865319955866685828
# Num Counters:
38
# Counter Values:
450452
0
128
495217
14293
14293
44893
34
450153
299
0
0
299
450452
299
2557483
1521845
2107330
559
3126
3984
3984
3984
3984
299
15995
7857
6417
7857
7857
7857
5893
3984
3357
3984
3984
3984
450452

w2c_f1317
# Func Hash:
10673954776492254968
# Num Counters:
18
# Counter Values:
598
0
470
470
1075
564
411
564
299
194
299
299
299
0
299
102
299
598

w2c_f1318
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
8901
0
4905
32
3996
8901

w2c_f132
# Func Hash:
11797100549166021604
# Num Counters:
13
# Counter Values:
4241
0
0
0
434
3807
434
0
0
0
0
0
4241

w2c_f1326
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
49
0
49
49

w2c_f1327
# Func Hash:
255573512492221625
# Num Counters:
6
# Counter Values:
34
0
0
34
0
34

w2c_f1328
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
290
0
162
128
128
290

w2c_f1329
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
34
0
34
0
0
34

w2c_f133
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
648
0

w2c_f1330
# Func Hash:
7548346996128808183
# Num Counters:
8
# Counter Values:
34
0
34
0
0
0
0
34

w2c_f1338
# Func Hash:
15930178963309790457
# Num Counters:
45
# Counter Values:
130
0
0
0
130
28
381
372
279
93
7
0
2
128
0
0
128
0
28
379
372
1
372
372
372
278
128
100
128
128
128
128
130
0
0
130
0
0
0
0
0
0
130
0
130

w2c_f1339
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
21
0

w2c_f134
# Func Hash:
7638305846509559709
# Num Counters:
19
# Counter Values:
588
0
448
140
0
0
140
140
140
140
140
0
0
140
140
0
140
0
588

w2c_f135
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
1456
0
1316
1456

w2c_f1351
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
128
0

w2c_f1352
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1353
# Func Hash:
15919743967073808043
# Num Counters:
72
# Counter Values:
34
0
34
0
0
0
0
0
0
0
0
34
34
0
0
0
0
0
0
0
0
34
476
455
0
0
0
0
21
21
21
21
476
442
34
0
0
0
0
0
0
0
0
34
34
0
0
0
0
0
0
34
0
0
0
34
34
34
34
34
34
0
0
0
0
0
0
34
34
34
0
34

w2c_f1354
# Func Hash:
16254324958248851218
# Num Counters:
11
# Counter Values:
49
0
0
49
0
0
0
0
0
0
49

w2c_f136
# Func Hash:
14044193548485423158
# Num Counters:
14
# Counter Values:
140
0
0
0
0
0
0
0
0
0
140
0
140
140

w2c_f1361
# Func Hash:
41594724668333642
# Num Counters:
51
# Counter Values:
23
0
0
2
0
0
0
21
21
21
21
21
23
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23

w2c_f1362
# Func Hash:
12076541030287865653
# Num Counters:
6
# Counter Values:
23
0
23
0
0
23

w2c_f1363
# Func Hash:
14011450084989485063
# Num Counters:
56
# Counter Values:
23
0
0
2
21
0
0
0
0
0
0
0
0
0
21
0
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
0
23

w2c_f1367
# Func Hash:
10405622443650060418
# Num Counters:
363
# Counter Values:
23
0
0
23
23
0
0
0
23
23
23
0
0
23
0
0
0
0
0
0
0
0
0
0
0
0
23
0
23
161
46
46
138
0
23
0
23
0
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23
23
23
23
23
23
23
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
0
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23
23
23
23
0
23
23
0
0
0
0
0
0
0
23
23
23
23
23
23
0
0
0
0
23
0
23
0
23
23
0
23
23
23
0
23
0
23
23
0
23
23
0
0
0
0
0
0
0
0
23
23
0
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
0
23
0
23
0
0
0
0
0
0
0
23
23
0
0
0
0
0
0
23
0
0
23
0
0
23
23
23
23
23
0
0
23
0
0
23
0
0
0
0
0
0
0
0
0
0
0
23
0
23
0
0
0
0
0
0
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23
23
23
23
0
23
0
23
0
23

w2c_f1368
# Func Hash:
4198556811686305941
# Num Counters:
12
# Counter Values:
132
0
132
892
408
408
760
124
124
124
99
132

w2c_f1373
# Func Hash:
11211970520
# Num Counters:
2
# Counter Values:
46
0

w2c_f1374
# Func Hash:
11211970264
# Num Counters:
2
# Counter Values:
23
0

w2c_f1375
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1376
# Func Hash:
16687161773656479509
# Num Counters:
10
# Counter Values:
34
0
0
0
136
0
136
102
34
34

w2c_f1377
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
34
0
34
34

w2c_f1379
# Func Hash:
2497733186250285045
# Num Counters:
7
# Counter Values:
196
0
147
0
49
147
196

w2c_f138
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1380
# Func Hash:
5763500136332245661
# Num Counters:
6
# Counter Values:
21
0
0
84
63
21

w2c_f1381
# Func Hash:
4462704801053832964
# Num Counters:
48
# Counter Values:
84
0
84
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
84

w2c_f1386
# Func Hash:
7742883855218375281
# Num Counters:
34
# Counter Values:
23
0
23
23
23
23
23
23
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
0
0
23
23
23
23
0
23

w2c_f1387
# Func Hash:
12794129518374072905
# Num Counters:
100
# Counter Values:
23
0
0
0
0
0
0
0
0
0
0
0
23
23
0
23
0
0
0
0
0
0
0
23
0
23
0
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
23
23
23
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
0
0
23
0
0
0
0
0
0
0
0
0
23
23

w2c_f1389
# Func Hash:
3449811063233666274
# Num Counters:
12
# Counter Values:
23
0
0
0
0
0
0
0
0
0
0
23

w2c_f139
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
49
0
49
49

w2c_f1395
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1397
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f1398
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f1399
# Func Hash:
14190198923916620553
# Num Counters:
17
# Counter Values:
49
0
49
0
0
0
0
0
49
0
49
0
49
0
49
0
49

w2c_f140
# Func Hash:
15351583221087482917
# Num Counters:
15
# Counter Values:
49
0
0
0
20
21458
0
21458
21429
49
20
49
49
0
49

w2c_f1400
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f1401
# Func Hash:
2503453963706915569
# Num Counters:
135
# Counter Values:
23
0
0
0
0
0
0
0
0
0
0
0
0
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
0
23

w2c_f1402
# Func Hash:
16308666211458725400
# Num Counters:
14
# Counter Values:
49
0
0
0
49
49
49
49
0
0
49
49
49
49

w2c_f1403
# Func Hash:
4899352183137991970
# Num Counters:
14
# Counter Values:
34
0
0
0
34
0
0
0
34
34
34
34
34
34

w2c_f1404
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
32782
0

w2c_f1405
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
450452
0

w2c_f1407
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
450452
0

w2c_f1408
# Func Hash:
188105652043334721
# Num Counters:
4
# Counter Values:
450452
0
450452
450452

w2c_f141
# Func Hash:
17352900045151127982
# Num Counters:
16
# Counter Values:
4133
0
2091
0
0
0
0
0
2042
2042
2042
2042
2042
4133
0
4133

w2c_f1412
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f1413
# Func Hash:
12659105425379650856
# Num Counters:
35
# Counter Values:
305
0
0
0
0
305
305
305
305
0
0
305
305
305
305
0
0
0
305
305
305
305
305
0
0
305
0
0
0
0
0
0
305
0
305

w2c_f1414
# Func Hash:
11943012598134724758
# Num Counters:
16
# Counter Values:
616
0
0
0
0
616
616
616
616
0
0
616
616
616
616
616

w2c_f1417
# Func Hash:
14813110142909262534
# Num Counters:
46
# Counter Values:
305
0
305
0
0
0
0
0
0
305
0
0
305
305
305
305
0
0
305
305
305
305
0
0
305
305
305
305
0
0
305
305
305
305
0
0
305
305
305
305
0
0
305
305
305
305

w2c_f1418
# Func Hash:
6781081342420663716
# Num Counters:
8
# Counter Values:
610
0
0
0
610
610
610
610

w2c_f1419
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
1
0
0
0
1
1
1
1

w2c_f1421
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
305
0
305
0
0
0
0
0
0
0
0
305
0
305

w2c_f1423
# Func Hash:
6781081342420663716
# Num Counters:
8
# Counter Values:
305
0
0
0
305
305
305
305

w2c_f1424
# Func Hash:
973184334007064375
# Num Counters:
16
# Counter Values:
4
0
0
0
4
4
4
4
0
0
0
4
4
4
4
4

w2c_f1426
# Func Hash:
7565260091935974888
# Num Counters:
22
# Counter Values:
305
0
0
0
305
305
305
305
0
0
0
305
305
305
305
0
0
305
305
305
305
305

w2c_f1427
# Func Hash:
8929618353604704678
# Num Counters:
110
# Counter Values:
243
0
21
0
0
0
0
243
224
19
0
0
19
0
8
0
0
0
0
11
11
0
11
11
0
0
11
0
0
0
11
11
0
11
11
0
0
11
11
0
0
0
0
11
9
2
0
2
0
11
11
8
0
0
0
0
8
8
8
8
0
34
0
8
8
18
8
8
0
0
8
8
8
8
4
4
8
0
4
4
8
0
0
0
18
12
12
34
8
0
0
8
0
0
50
42
8
232
224
0
0
8
232
0
0
232
232
232
232
243

w2c_f1429
# Func Hash:
8880390253230458079
# Num Counters:
41
# Counter Values:
11
0
0
0
11
11
11
11
11
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
11
0
11

w2c_f1430
# Func Hash:
6680981142807119284
# Num Counters:
129
# Counter Values:
16
0
8
0
0
0
0
0
8
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
0
6
0
2
0
0
2
0
0
0
2
0
8
34
0
8
8
18
8
18
0
6
0
8
0
12
0
0
0
0
12
12
0
0
12
4
4
0
0
4
0
0
0
34
8
0
8
0
0
8
8
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
16

w2c_f1431
# Func Hash:
2660691462977671499
# Num Counters:
30
# Counter Values:
28
0
0
0
0
0
0
0
0
0
0
12
28
28
28
0
28
8
48
28
28
8
48
28
28
8
28
0
0
28

w2c_f1433
# Func Hash:
14658773849132082580
# Num Counters:
22
# Counter Values:
28489
0
0
0
0
28489
28489
28489
28489
0
0
0
0
0
0
0
0
0
0
0
0
28489

w2c_f1434
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f1435
# Func Hash:
8967945570125496254
# Num Counters:
59
# Counter Values:
28490
0
0
28490
0
28490
28489
0
28490
0
0
28490
28490
28490
28490
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28490
0
28490

w2c_f1437
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
12
0
0
0
12
12
12
12

w2c_f144
# Func Hash:
6794051509228411955
# Num Counters:
12
# Counter Values:
1
0
0
3
2
2
0
0
0
0
1
1

w2c_f1440
# Func Hash:
6781081342420663716
# Num Counters:
8
# Counter Values:
2
0
0
0
2
2
2
2

w2c_f1441
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
2
0
0
0
2
2
2
2

w2c_f1442
# Func Hash:
15516374849262078333
# Num Counters:
285
# Counter Values:
28489
0
28489
28489
28489
0
28489
0
28489
0
28489
28489
28489
0
28489
28489
28489
0
0
28489
0
0
0
28489
28489
28489
28489
0
28489
28489
0
0
28489
28489
28489
0
450452
421963
28489
0
0
0
0
0
0
450452
0
0
0
0
450452
450452
0
0
450452
421963
28489
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
28489
0
28489
0
0
0
28489
0
0
0
28489
0
28489
0
450452
1569
0
448883
0
0
448883
0
0
0
0
0
0
0
448883
448883
0
448883
0
0
0
0
0
420393
1
0
0
0
4475136
4475136
0
1
0
0
0
1487117
1496929
1491089
1487117
14793739
14793739
0
14793739
0
0
0
0
0
0
0
14793739
0
14793739
0
13306622
1496929
1496929
0
0
0
0
1496929
1496929
0
0
0
1496929
0
1496929
0
0
0
0
1496929
0
1496929
0
14879798
1496929
13382869
0
13382869
0
0
0
0
0
0
0
13382869
0
13382869
13382869
1491089
1491089
0
0
0
0
0
1491089
1491089
0
0
0
0
0
1491089
0
1491089
0
0
1491089
0
1491089
0
14800139
1491089
13309050
0
13309050
0
0
0
0
0
0
0
13309050
0
13309050
0
4475136
4026253
450452
421963
28489
28489
0
0
0
0
0
0
28489
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
450452
421963
28489
28489

w2c_f145
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
378
0
3
375
378

w2c_f1455
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
1
0
0
0
1
1
1
1

w2c_f1456
# Func Hash:
9976912374890791689
# Num Counters:
16
# Counter Values:
1
0
0
0
0
1
1
1
1
0
0
1
1
1
1
1

w2c_f1457
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f1458
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
312
0
312
0
312

w2c_f1459
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
617
0
617
0
0
0
0
0
0
0
0
617
0
617

w2c_f146
# Func Hash:
1895407644545420364
# Num Counters:
57
# Counter Values:
45045
0
3
45008
45008
297190
129856
166336
129856
42999
85846
2043
1972
2043
0
0
2043
2043
2043
2043
2042
0
3
2
42999
0
0
2042
1985
2042
0
0
0
0
0
0
0
0
2045
0
0
0
1
1
1
1
0
0
0
0
0
0
0
0
1
0
45045

w2c_f1460
# Func Hash:
14551608972313281915
# Num Counters:
10
# Counter Values:
309
0
0
0
0
0
0
309
0
309

w2c_f1464
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28517
0

w2c_f1465
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
28517
0
28517
28517

w2c_f1466
# Func Hash:
6240509105197280814
# Num Counters:
43
# Counter Values:
28516
0
0
0
28516
0
28516
0
0
0
0
0
0
0
0
0
28516
28516
0
0
0
0
0
0
0
0
25
28491
25
12
13
0
0
0
12
0
12
13
13
13
0
0
28516

w2c_f1468
# Func Hash:
3573766888947504843
# Num Counters:
16
# Counter Values:
406914
0
0
406514
0
0
0
0
0
0
0
0
400
406514
400
406914

w2c_f1469
# Func Hash:
3028133946456849687
# Num Counters:
781
# Counter Values:
406514
0
0
406514
0
0
0
0
0
0
0
0
0
406514
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
406514
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
406514
406514
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
406514
0
406514
0
0
0
0
0
0
0
0
0
0
406514
0
0
305
17731075
17324866
406514
113333
621780
328599
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
406514
0
406514

w2c_f1470
# Func Hash:
4167885689896896673
# Num Counters:
646
# Counter Values:
400
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
400
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
400
400
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
400
0
400
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
400
400
0
0
0
0
400
0
0
320000
0
0
0
0
0
0
320000
319600
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
400
0
400

w2c_f1489
# Func Hash:
2603231228605049394
# Num Counters:
292
# Counter Values:
172
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
90
82
82
0
0
0
0
0
0
0
0
82
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
82
0
0
0
386
0
386
0
386
0
386
0
0
386
386
304
90
90
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
90
0
0
450
0
450
0
450
0
93
357
0
0
0
0
0
0
0
0
0
0
0
0
357
357
0
0
0
0
0
0
0
0
0
0
0
0
357
0
0
0
450
360
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
172
0
0
172

w2c_f1491
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f1492
# Func Hash:
9633651700682735479
# Num Counters:
30
# Counter Values:
2
0
2
2
2
2
2
2
2
0
0
0
0
0
0
0
0
2
1
0
1
0
0
0
0
0
0
2
0
2

w2c_f1494
# Func Hash:
10774015704093228778
# Num Counters:
43
# Counter Values:
1
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
1
0
1

w2c_f1495
# Func Hash:
10508904373633661176
# Num Counters:
18
# Counter Values:
1
0
0
1
0
0
0
0
0
0
0
1
1
0
0
0
0
1

w2c_f1496
# Func Hash:
8565578448199800189
# Num Counters:
27
# Counter Values:
320
0
320
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
320
0
320
0
320
320
0
320

w2c_f1497
# Func Hash:
17238385346441286997
# Num Counters:
15
# Counter Values:
320
0
320
320
320
0
320
0
0
0
0
320
320
0
320

w2c_f1499
# Func Hash:
15568574350636113881
# Num Counters:
103
# Counter Values:
28
0
28
28
0
0
0
0
28
28
0
28
0
0
0
0
0
28
3
0
0
140
0
0
0
0
140
140
0
140
0
140
0
0
0
140
140
0
140
17
140
0
0
140
0
1
743
0
0
0
75
743
0
0
604
8
132
0
0
8
0
140
115
3
3
3
730
730
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
730
0
0
0
730
730
0
730
0
0
0
730
727
28
0
28

w2c_f1500
# Func Hash:
8269711508745134923
# Num Counters:
79
# Counter Values:
14
0
0
0
0
0
0
14
14
0
14
14
14
0
0
0
0
0
0
0
0
0
0
2
2
14
14
0
0
0
0
14
14
0
14
0
0
0
0
14
14
0
14
14
0
0
0
0
14
14
0
14
0
0
0
0
14
14
0
14
0
13
0
0
0
0
0
0
0
1
13
0
0
1
0
14
14
0
14

w2c_f1501
# Func Hash:
13559788458579412553
# Num Counters:
20
# Counter Values:
14
0
0
14
0
14
0
14
0
0
14
0
0
0
0
0
0
14
0
14

w2c_f1502
# Func Hash:
5390614164925486333
# Num Counters:
7
# Counter Values:
16
0
2
14
0
0
16

w2c_f1503
# Func Hash:
1913548188517097143
# Num Counters:
114
# Counter Values:
14
0
0
0
0
14
14
14
14
0
0
0
0
0
0
437
397
397
40
0
0
0
0
0
0
0
437
0
0
437
437
437
437
0
0
0
429
0
0
0
8
0
0
429
0
2039
0
13602
0
0
0
0
0
11563
2039
0
1610
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
0
3200
0
3200
0
0
3200
0
0
0
3192
437
423
0
0
14

w2c_f1504
# Func Hash:
8610795229029400695
# Num Counters:
78
# Counter Values:
14
0
0
0
0
0
0
0
0
403
0
83
0
0
0
320
0
0
83
0
396
0
0
2328
0
0
1932
396
313
320
0
128000
0
0
128000
0
0
0
0
128000
127680
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
403
0
0
403
403
403
403
389
14
0
14
0
14

w2c_f1505
# Func Hash:
7332522797918103717
# Num Counters:
15
# Counter Values:
14
0
0
0
0
0
0
14
0
14
14
14
0
0
14

w2c_f1506
# Func Hash:
17501773327401859643
# Num Counters:
19
# Counter Values:
14
0
0
0
0
0
0
0
0
0
0
14
14
1
0
0
0
1
14

w2c_f1507
# Func Hash:
12879510898187790105
# Num Counters:
16
# Counter Values:
14
0
0
14
0
0
14
0
0
0
0
0
0
14
0
14

w2c_f1508
# Func Hash:
13073670169019154459
# Num Counters:
45
# Counter Values:
14
0
0
0
14
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
14
0
0
14
14
14
14
14
14
0
14
14
0
14

w2c_f1509
# Func Hash:
4229684943903936110
# Num Counters:
12
# Counter Values:
14
0
14
14
0
0
0
0
0
0
14
14

w2c_f151
# Func Hash:
8064328979839347144
# Num Counters:
14
# Counter Values:
459340
0
459340
459340
0
459340
459340
0
0
0
459340
459340
0
459340

w2c_f1510
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
2
0
2
2
2

w2c_f1511
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
1
0
0
1
1

w2c_f1512
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
13
0

w2c_f1513
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
13
0
13
0
0
0
0
0
0
0
0
13
0
13

w2c_f1515
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
13
0

w2c_f1516
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
1
0
0
0
0
0
0
1
1
1
1
1
0
1

w2c_f1517
# Func Hash:
12268679686382986989
# Num Counters:
8
# Counter Values:
83
0
0
0
0
83
0
83

w2c_f1518
# Func Hash:
2190398423746620842
# Num Counters:
28
# Counter Values:
13
0
0
0
13
0
13
13
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
13
0
13

w2c_f1519
# Func Hash:
18353091491261919131
# Num Counters:
66
# Counter Values:
1
0
0
1
0
0
1
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
0
0
1
1
0
1
0
0
0
0
1
1
0
1
0
0
0
0
0
1
1
1
1
0
1

w2c_f152
# Func Hash:
7322462015366328536
# Num Counters:
14
# Counter Values:
743
0
743
743
0
743
743
0
0
0
743
743
0
743

w2c_f1520
# Func Hash:
12879510898187790105
# Num Counters:
16
# Counter Values:
1
0
0
1
0
0
1
0
0
0
0
0
0
1
0
1

w2c_f1521
# Func Hash:
14506283471509044259
# Num Counters:
15
# Counter Values:
1
0
0
0
0
0
0
0
1
0
0
0
1
1
1

w2c_f1523
# Func Hash:
1024826216730488353
# Num Counters:
97
# Counter Values:
1
0
0
0
0
0
1
0
0
0
0
0
0
0
1
0
0
1
1
0
0
0
0
0
0
1
1
1
0
0
1
0
0
0
0
1
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
1
0
0
1
1
0
0
0
0
0
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
1
0
1

w2c_f1524
# Func Hash:
6405641685631116844
# Num Counters:
61
# Counter Values:
1
0
0
8
0
64
0
0
0
64
64
0
64
0
0
0
0
0
0
0
64
64
0
64
0
0
0
0
64
0
0
0
64
64
0
64
64
0
0
0
64
64
0
64
64
64
1
63
63
15
0
21
2
27
1
6
64
56
8
7
1

w2c_f1527
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f1528
# Func Hash:
12683263778627633621
# Num Counters:
44
# Counter Values:
2
0
0
0
2
0
0
2
0
0
1
0
0
1
1
1
0
0
0
0
0
0
1
1
1
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
0
2
0
2

w2c_f1529
# Func Hash:
2505464553296432226
# Num Counters:
18
# Counter Values:
2
0
1
2
1
2
0
0
2
0
0
0
0
0
0
2
0
2

w2c_f153
# Func Hash:
10586870131054688437
# Num Counters:
15
# Counter Values:
18760
0
18760
18760
0
59092
0
0
0
59092
59092
40332
18760
0
18760

w2c_f1530
# Func Hash:
1348804190371160847
# Num Counters:
31
# Counter Values:
2
0
0
1
1
0
1
1
0
0
0
0
1
0
1
0
0
0
1
0
0
0
0
1
1
1
1
1
2
0
2

w2c_f1531
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f1532
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f1534
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f1535
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
2
0
2
2

w2c_f1536
# Func Hash:
10351441579964807612
# Num Counters:
34
# Counter Values:
305
0
305
0
0
0
0
0
0
0
0
305
0
305
0
0
0
0
305
305
305
305
0
0
305
0
0
0
0
0
0
305
0
305

w2c_f1537
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f1538
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28489
0

w2c_f1539
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f154
# Func Hash:
9432283446541925290
# Num Counters:
16
# Counter Values:
10292
0
10292
10292
0
112972
1
10255
0
102716
0
102716
102680
10292
0
10292

w2c_f1540
# Func Hash:
2995672089674993051
# Num Counters:
22
# Counter Values:
1221
0
0
305
305
305
0
0
306
0
305
305
306
306
306
0
0
0
0
305
305
1221

w2c_f1541
# Func Hash:
15651650738570928364
# Num Counters:
8
# Counter Values:
611
0
305
611
611
611
611
611

w2c_f1542
# Func Hash:
1665345748744734633
# Num Counters:
23
# Counter Values:
611
0
0
1
611
0
0
611
305
307
1
611
305
307
307
307
1
611
305
611
0
0
611

w2c_f1543
# Func Hash:
1161808284288631758
# Num Counters:
15
# Counter Values:
922
0
305
922
305
611
0
6
611
611
611
611
611
922
922

w2c_f1545
# Func Hash:
11263839528343307128
# Num Counters:
15
# Counter Values:
1653
0
0
0
1653
1653
0
0
0
0
0
0
0
0
1653

w2c_f1546
# Func Hash:
4410798095070318637
# Num Counters:
53
# Counter Values:
3571
0
3337
3337
3346
2
11977
0
3334
8831
198
198
198
198
0
0
198
188
8643
0
3334
11977
6
78
916
5681
0
128
11686
3694
3694
11843
11971
11977
8633
8633
6492
0
184
1559
0
378
415
19
19
1763
11977
8633
3346
3337
9
3337
3571

w2c_f1547
# Func Hash:
9001025380419911425
# Num Counters:
31
# Counter Values:
309
0
4
305
309
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
309

w2c_f1548
# Func Hash:
4067046657212003432
# Num Counters:
75
# Counter Values:
234
0
0
0
0
0
0
511
0
511
0
0
0
0
0
255
22
234
0
234
0
234
255
0
28
0
217
0
10
0
217
205
12
255
255
255
22
0
0
0
0
22
22
22
0
0
0
0
0
0
0
0
0
0
0
0
0
274
274
274
274
252
22
0
22
0
22
511
0
497
511
277
234
0
234

w2c_f1549
# Func Hash:
15817380169673337985
# Num Counters:
43
# Counter Values:
1941
0
1653
0
0
0
288
1653
1363
0
0
0
290
290
0
290
0
0
0
290
290
0
1363
0
0
0
0
1363
1363
0
1363
0
0
0
1363
1363
0
1363
0
0
0
0
1941

w2c_f1551
# Func Hash:
10467058828680651314
# Num Counters:
40
# Counter Values:
224
0
0
224
224
224
21
21
199
222
4
0
4
2
0
0
4
0
2
2
0
2
0
2
0
2
0
2
0
2
0
222
0
222
0
222
0
222
0
224

w2c_f1552
# Func Hash:
8736497566952518345
# Num Counters:
8
# Counter Values:
2
0
0
392
0
392
390
2

w2c_f1553
# Func Hash:
8736497566952518345
# Num Counters:
8
# Counter Values:
222
0
0
1387
0
1387
1165
222

w2c_f1554
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
8
0

w2c_f1558
# Func Hash:
15588328708509555972
# Num Counters:
334
# Counter Values:
234
0
234
0
0
234
234
234
0
0
234
234
0
234
0
234
0
0
234
0
0
234
0
0
0
0
0
0
0
0
0
234
234
0
0
0
0
0
0
0
0
0
234
0
0
0
234
234
234
0
0
0
0
0
0
0
234
234
234
232
0
0
2
234
0
0
234
0
3337
0
0
0
0
0
0
3337
0
3713
0
0
0
0
3713
0
3711
3713
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3713
3713
3713
0
0
3713
3713
3713
3713
3713
376
3337
3103
234
0
0
234
0
0
0
0
0
0
234
234
0
0
0
0
0
0
0
0
234
234
0
0
0
0
0
0
0
0
234
234
0
0
0
0
0
0
0
0
234
0
0
234

w2c_f156
# Func Hash:
5453010822353445299
# Num Counters:
7
# Counter Values:
23
0
0
0
207
184
23

w2c_f1561
# Func Hash:
11748035379430936464
# Num Counters:
88
# Counter Values:
3713
0
0
0
0
60270
60270
0
0
0
0
0
60270
60270
0
0
0
0
60270
0
0
0
0
60270
0
40839
0
0
19431
0
19431
0
40839
0
0
0
0
0
0
0
0
0
0
0
0
60270
60270
56557
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3713

w2c_f1562
# Func Hash:
8733736544128357782
# Num Counters:
73
# Counter Values:
232
0
0
222
0
0
0
0
10
10
0
10
0
0
0
10
10
0
10
10
10
10
10
0
162
0
152
10
232
0
8
224
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
224
0
0
224
0
0
0
224
224
0
224
0
0
0
224
224
0
224
224
224
224
224
232

w2c_f1563
# Func Hash:
2135026757315254323
# Num Counters:
115
# Counter Values:
11
0
0
0
0
11
0
0
0
0
11
11
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
11
0
0
0
0
11
0
11

w2c_f1564
# Func Hash:
13089965834971924045
# Num Counters:
5
# Counter Values:
1841
0
915
915
1841

w2c_f1565
# Func Hash:
9181574667932411016
# Num Counters:
194
# Counter Values:
28489
0
28489
28489
28489
0
0
0
0
0
28489
28489
28489
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
28489
0
0
28489
0
0
0
0
0
0
28489
0
28489

w2c_f1567
# Func Hash:
17246715670601031954
# Num Counters:
18
# Counter Values:
28502
0
0
28490
28490
0
0
0
0
0
0
0
0
0
0
28502
0
28502

w2c_f1569
# Func Hash:
10597888833157246345
# Num Counters:
16
# Counter Values:
2
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2

w2c_f1570
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
2
0
2
2
2

w2c_f1571
# Func Hash:
11100588268722996776
# Num Counters:
8
# Counter Values:
305
0
0
0
0
0
0
305

w2c_f1573
# Func Hash:
15644835446780988368
# Num Counters:
25
# Counter Values:
394
0
478
0
2
84
392
0
84
2
86
84
84
198
2
114
114
2
0
0
0
84
476
392
394

w2c_f1574
# Func Hash:
9069231399493700174
# Num Counters:
30
# Counter Values:
1609
0
1835
0
222
226
1387
0
226
222
0
222
448
226
226
4
295
4
291
4
0
0
291
291
73
222
226
1613
1387
1609

w2c_f1575
# Func Hash:
9069231399493700174
# Num Counters:
30
# Counter Values:
200
0
204
0
2
4
198
0
4
2
0
2
6
4
4
2
96
2
94
2
0
0
94
94
94
2
4
202
198
200

w2c_f1576
# Func Hash:
12845511961903338656
# Num Counters:
16
# Counter Values:
290
0
0
290
290
290
0
0
0
290
0
0
0
0
290
290

w2c_f1579
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f1581
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f1583
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f1588
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
61313
0

w2c_f1589
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
61301
0

w2c_f159
# Func Hash:
3669605927185441027
# Num Counters:
6
# Counter Values:
1200
0
3451
96
2251
1200

w2c_f1590
# Func Hash:
11342356652806011897
# Num Counters:
61
# Counter Values:
61301
0
0
0
61301
0
0
0
0
0
0
0
0
61301
0
32
0
0
0
0
0
0
61269
0
61269
0
0
0
0
0
0
0
0
0
0
0
61269
0
0
61269
0
0
61269
0
0
61269
61269
61269
61269
61269
61269
61269
0
0
61269
61269
61269
61269
0
61269
61301

w2c_f1593
# Func Hash:
944026794784959974
# Num Counters:
10
# Counter Values:
61313
0
0
0
0
61313
61313
61313
61313
61313

w2c_f1594
# Func Hash:
12934392977637553333
# Num Counters:
21
# Counter Values:
64529
0
0
0
0
64529
64529
64529
64529
64529
64529
0
0
0
64529
64529
64529
64529
64529
0
64529

w2c_f1595
# Func Hash:
3626046141228934454
# Num Counters:
26
# Counter Values:
11353181
0
0
0
0
11353181
11353181
11353181
11353181
0
0
0
0
11353181
11353181
11353181
11353181
11353181
0
11353181
0
0
11353181
0
0
11353181

w2c_f1596
# Func Hash:
8189124192305131394
# Num Counters:
23
# Counter Values:
2
0
0
0
0
2
2
2
2
0
0
0
0
2
2
2
2
0
0
2
0
0
2

w2c_f1597
# Func Hash:
14355513204460604004
# Num Counters:
34
# Counter Values:
12
0
12
0
12
12
0
0
0
0
0
0
12
0
0
12
12
12
12
12
12
12
0
12
0
12
0
0
12
12
12
12
12
12

w2c_f1598
# Func Hash:
13722916463761229265
# Num Counters:
110
# Counter Values:
28489
0
0
0
0
28489
28489
28489
28489
0
0
0
0
28489
28489
28489
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
28489

w2c_f1599
# Func Hash:
17326702225488835778
# Num Counters:
32
# Counter Values:
28489
0
0
0
0
28489
28489
28489
28489
28489
28489
28489
28489
0
0
0
0
0
28489
28489
0
0
0
0
0
0
0
0
28489
0
0
28489

w2c_f1600
# Func Hash:
12849204677545929380
# Num Counters:
42
# Counter Values:
28489
0
28489
28489
0
0
0
0
0
28489
28489
28489
28489
28489
28489
0
0
0
28489
28489
28489
28489
28489
0
0
0
28489
28489
28489
0
0
0
0
0
28489
28489
28489
28489
28489
0
0
28489

w2c_f1610
# Func Hash:
9589670304012606594
# Num Counters:
65
# Counter Values:
28490
0
0
0
0
0
28490
28490
28490
28490
0
0
0
28490
28490
28490
0
0
0
28490
0
28490
0
28490
0
406594
0
0
0
406594
406594
406594
406594
0
0
0
0
406594
0
0
406594
378104
28490
28490
0
0
0
0
0
0
0
0
28490
0
1
0
0
28489
28489
28489
28489
28490
0
0
28490

w2c_f1611
# Func Hash:
13847703855573386097
# Num Counters:
63
# Counter Values:
25
0
0
0
0
0
25
25
25
25
0
0
0
0
13
13
13
0
0
0
25
0
0
172
0
0
0
172
172
172
172
0
0
0
172
172
172
0
172
147
25
25
0
0
0
0
0
0
0
0
25
0
13
0
0
12
12
12
12
25
0
0
25

w2c_f1613
# Func Hash:
9773766144895880046
# Num Counters:
180
# Counter Values:
11
0
0
0
0
11
11
11
11
0
0
0
0
0
0
0
0
0
0
0
0
0
0
11
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
11
0
0
772
0
0
0
772
772
772
772
772
0
0
0
0
0
0
0
0
772
0
0
22523
21751
772
720
104
52
772
761
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
11
0
0
11

w2c_f1615
# Func Hash:
8435664917377388136
# Num Counters:
14
# Counter Values:
12
0
0
12
0
12
0
0
12
12
12
12
12
12

w2c_f1616
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
61320
0

w2c_f1617
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
61320
0
61320
61320

w2c_f1619
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
14
0

w2c_f162
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
15
0

w2c_f1620
# Func Hash:
4417392231507846384
# Num Counters:
5
# Counter Values:
2
0
1
0
2

w2c_f1622
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
7
0

w2c_f1623
# Func Hash:
14988058275715069745
# Num Counters:
73
# Counter Values:
28496
0
7
0
0
28496
0
0
28490
6
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28496
0
28494
0
0
0
406407
0
0
406407
406407
406407
406407
0
0
0
406407
377911
0
0
0
0
0
0
0
0
0
0
28496
0
0
28496

w2c_f1624
# Func Hash:
17002764177860739035
# Num Counters:
29
# Counter Values:
28496
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28496

w2c_f1625
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28489
0

w2c_f163
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
15
0

w2c_f1632
# Func Hash:
3176549031180331341
# Num Counters:
21
# Counter Values:
57004
0
0
0
0
0
0
0
0
0
0
0
0
0
28501
57004
0
0
0
0
57004

w2c_f1636
# Func Hash:
1887785620869051208
# Num Counters:
348
# Counter Values:
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
406194
0
0
0
0
406194
406194
406194
406194
0
0
305
17699075
17293186
406194
113013
621780
328599
406194
377705
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
0
0
28489

w2c_f164
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
694
0

w2c_f1641
# Func Hash:
3359621667327168607
# Num Counters:
25
# Counter Values:
12
0
0
12
12
0
0
12
0
12
0
12
12
12
0
12
0
0
0
0
0
0
12
0
12

w2c_f1644
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
922
0

w2c_f1645
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28748
0

w2c_f1646
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
307
0

w2c_f1647
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
494
0

w2c_f1648
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
48
0
0
48
48

w2c_f1649
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
542
0
5
0
291
0
0
246
246
246
246
542
0
542

w2c_f1652
# Func Hash:
1071672833716733673
# Num Counters:
22
# Counter Values:
612
0
367
0
245
0
0
367
367
0
0
0
0
0
0
0
0
0
0
612
0
612

w2c_f1653
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
70
0

w2c_f1654
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
19
0

w2c_f1655
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
224
0

w2c_f1656
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
35
0

w2c_f1657
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1
0

w2c_f1659
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1
0

w2c_f1661
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
585
0

w2c_f1662
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
25
0

w2c_f1663
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
29370
0

w2c_f1664
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
219
0
0
219
219

w2c_f1665
# Func Hash:
1098687311079804173
# Num Counters:
18
# Counter Values:
28725
0
2
0
0
28723
28506
0
3
0
0
214
214
214
214
28725
0
28725

w2c_f1666
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
29589
0
556
0
5162
0
0
23871
23871
23871
23871
29589
0
29589

w2c_f1667
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
308
0
308
0
0
0
0
0
0
0
0
308
0
308

w2c_f1668
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
114019
0
0
114019
114019

w2c_f1669
# Func Hash:
15499602805713364268
# Num Counters:
17
# Counter Values:
23852
0
23852
23852
23852
301
0
23551
0
0
0
0
0
0
23852
0
23852

w2c_f1670
# Func Hash:
2663762976308317361
# Num Counters:
18
# Counter Values:
37486
0
37486
37486
13709
0
0
0
23777
0
0
0
0
0
0
37486
0
37486

w2c_f1671
# Func Hash:
13266727616552115705
# Num Counters:
22
# Counter Values:
23777
0
11
0
23777
12
0
0
0
23765
0
0
23765
0
0
0
0
0
0
23777
0
23777

w2c_f1672
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
57006
0

w2c_f1673
# Func Hash:
3827187610637484261
# Num Counters:
6
# Counter Values:
23852
0
0
18042
5810
23852

w2c_f1674
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
57003
0

w2c_f1675
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
7824
0

w2c_f1676
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
450465
0

w2c_f1678
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1569
0

w2c_f1681
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
85493
0

w2c_f1686
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
24085
0
18
0
24067
0
0
0
0
0
0
24085
0
24085

w2c_f1688
# Func Hash:
11211970520
# Num Counters:
2
# Counter Values:
28502
0

w2c_f1689
# Func Hash:
11211970200
# Num Counters:
2
# Counter Values:
57004
0

w2c_f1690
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
29370
0

w2c_f1691
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
219
0
0
219
219

w2c_f1692
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
29589
0
313
0
28758
0
0
518
518
518
518
29589
0
29589

w2c_f1693
# Func Hash:
16288775402378707940
# Num Counters:
15
# Counter Values:
308
0
0
308
0
0
0
0
0
0
0
0
308
0
308

w2c_f1694
# Func Hash:
14230633447875616949
# Num Counters:
5
# Counter Values:
201
0
201
201
201

w2c_f1695
# Func Hash:
1071672833716733673
# Num Counters:
22
# Counter Values:
612
0
612
0
0
0
0
612
402
0
0
210
0
0
0
0
0
0
0
612
0
612

w2c_f1700
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
243
0
243
243
243

w2c_f1701
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
210
0

w2c_f1703
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
200
0

w2c_f1705
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1
0

w2c_f1706
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
224
0
224
224
224

w2c_f1710
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28502
0

w2c_f1713
# Func Hash:
10644833306603500167
# Num Counters:
6
# Counter Values:
28502
0
5904
28502
0
28502

w2c_f1721
# Func Hash:
2924212049792683002
# Num Counters:
22
# Counter Values:
497
0
309
188
0
0
0
0
188
0
188
309
309
309
0
0
309
0
0
309
0
497

w2c_f1722
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
57002
0

w2c_f1725
# Func Hash:
14972697079869603585
# Num Counters:
67
# Counter Values:
28502
0
0
0
28502
28502
28502
28502
0
0
28502
28502
28502
570332
28502
421963
421963
450465
0
0
450465
450465
450465
450465
450465
0
0
0
0
0
0
0
0
450465
443355
448896
28502
0
57447
0
28928
53890
0
0
450465
450465
450465
450465
450465
448896
1569
0
1569
450465
570332
541830
28502
28502
28502
28502
0
0
0
28502
28502
0
28502

w2c_f1726
# Func Hash:
12013501203640369817
# Num Counters:
7
# Counter Values:
28501
0
0
0
0
0
28501

w2c_f1728
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28501
0

w2c_f1730
# Func Hash:
17127731723194662088
# Num Counters:
56
# Counter Values:
28502
0
0
0
148369
148369
148369
0
148369
148369
0
0
148369
148369
148369
148369
119867
28502
0
0
0
0
28502
5904
5904
5904
28502
12760
148369
0
0
450465
0
0
450465
450465
450465
450465
302096
148369
28502
0
148369
119867
0
0
28502
0
0
0
0
0
0
28502
0
28502

w2c_f1731
# Func Hash:
12350258777419684365
# Num Counters:
24
# Counter Values:
22598
0
22598
0
0
22598
0
0
22598
22598
22598
0
22598
0
22598
22598
0
0
22598
22598
22598
0
0
22598

w2c_f1738
# Func Hash:
11123563015199590295
# Num Counters:
23
# Counter Values:
28502
0
0
0
28502
28502
28502
28502
28502
0
28502
28502
0
28502
0
0
0
0
0
0
28502
0
28502

w2c_f1740
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
29676
0

w2c_f1741
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
219
0
215
4
219

w2c_f1742
# Func Hash:
1098687311079804173
# Num Counters:
18
# Counter Values:
28979
0
28938
2
0
41
39
0
2
0
0
0
0
0
0
28979
0
28979

w2c_f1743
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
29895
0
29883
0
9
0
0
3
3
3
3
29895
0
29895

w2c_f1744
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
43
0

w2c_f1745
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
39
0

w2c_f1746
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
4
0

w2c_f1747
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
44
0

w2c_f175
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
8809
0

w2c_f1751
# Func Hash:
2663762976308317361
# Num Counters:
18
# Counter Values:
6
0
3
3
3
0
0
0
0
0
0
0
0
0
0
3
0
6

w2c_f1752
# Func Hash:
2165438766532465378
# Num Counters:
22
# Counter Values:
3
0
0
0
3
3
3
0
3
3
0
0
3
3
0
0
3
3
3
0
0
3

w2c_f1754
# Func Hash:
4866174590636864535
# Num Counters:
9
# Counter Values:
3
0
3
0
0
3
3
3
3

w2c_f1759
# Func Hash:
8547787412062193127
# Num Counters:
16
# Counter Values:
3
0
3
0
0
0
0
0
0
3
0
0
3
0
3
3

w2c_f1760
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
3
0

w2c_f1761
# Func Hash:
3067610610593020515
# Num Counters:
5
# Counter Values:
44
0
44
44
44

w2c_f1762
# Func Hash:
17241951246241095113
# Num Counters:
30
# Counter Values:
44
0
0
0
0
44
44
0
44
0
0
0
44
44
0
44
0
0
0
44
44
0
44
0
0
0
44
44
0
44

w2c_f1764
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
147
0

w2c_f1766
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
102
0

w2c_f1768
# Func Hash:
10802245893911678498
# Num Counters:
37
# Counter Values:
2878
0
0
214
2620
44
0
214
0
0
0
2620
0
0
0
0
0
0
0
44
0
44
0
0
0
44
0
0
0
0
0
0
0
0
2878
0
2878

w2c_f177
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
8823
0

w2c_f1770
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1771
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
34
0
34
0
0
0
0
0
0
0
0
34
0
34

w2c_f1774
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f1776
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f1777
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f179
# Func Hash:
15809457755155600657
# Num Counters:
12
# Counter Values:
2
0
0
0
0
0
0
2
2
2
2
2

w2c_f1818
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f1820
# Func Hash:
10644833306603500167
# Num Counters:
6
# Counter Values:
1
0
0
1
0
1

w2c_f1821
# Func Hash:
11907891721195675713
# Num Counters:
80
# Counter Values:
1
0
1
0
1
1
1
0
1
1
1
1
1
0
1
1
0
1
1
1
1
1
0
1
1
1
1
1
3
3
3
3
3
3
3
1
0
1
0
1
0
0
1
0
0
0
0
0
0
1
0
0
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
1

w2c_f1822
# Func Hash:
8617187474369252875
# Num Counters:
14
# Counter Values:
256
0
0
256
0
0
768
0
256
0
256
256
0
256

w2c_f1827
# Func Hash:
431122643900067218
# Num Counters:
29
# Counter Values:
1
0
0
0
1
0
0
1
1
0
0
1
1
0
0
0
0
0
0
0
0
0
0
1
1
1
0
0
1

w2c_f183
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1494
0

w2c_f185
# Func Hash:
3739021154600885833
# Num Counters:
42
# Counter Values:
14
0
0
14
14
0
14
0
0
14
14
14
14
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
14

w2c_f1850
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f1851
# Func Hash:
9005997444708111061
# Num Counters:
87
# Counter Values:
1
0
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
0
1
1
0
0
0
0
0
0
0
0
1
1
1
1
0
0
0
1
0
0
0
0
1
0
0
1
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
1
0
1
0
0
1
0
0
0
0
0
0
1
1
0
1
0
0
0
0
0
0
1
0
1

w2c_f1852
# Func Hash:
17352900045151127982
# Num Counters:
16
# Counter Values:
1
0
1
0
0
0
0
0
0
0
0
0
0
1
0
1

w2c_f1853
# Func Hash:
10614776878233728958
# Num Counters:
65
# Counter Values:
1
0
1
1
1
1
0
1
1
1
0
1
1
1
1
0
1
0
0
1
0
0
1
1
1
1
0
1
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
1

w2c_f1854
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f1855
# Func Hash:
255573512492221625
# Num Counters:
6
# Counter Values:
1
0
1
1
0
1

w2c_f1857
# Func Hash:
12120176005281591832
# Num Counters:
42
# Counter Values:
256
0
256
256
256
256
0
256
0
0
0
256
0
256
0
0
256
256
256
256
0
256
0
256
0
0
0
0
0
0
0
0
0
256
0
0
0
0
256
0
256
256

w2c_f1863
# Func Hash:
2188440191809526378
# Num Counters:
9
# Counter Values:
49
0
0
0
0
0
0
0
49

w2c_f1864
# Func Hash:
6367898637326095674
# Num Counters:
46
# Counter Values:
34
0
0
0
0
0
0
0
34
34
34
34
34
0
0
0
0
0
34
34
34
34
34
0
0
0
0
0
34
34
34
34
34
0
0
0
0
0
34
34
34
34
34
34
0
34

w2c_f1865
# Func Hash:
8635575493134707477
# Num Counters:
30
# Counter Values:
3838
0
0
1430
2364
44
0
0
0
0
0
0
0
0
0
1430
0
1430
2364
0
0
44
0
0
0
0
0
3838
0
3838

w2c_f1866
# Func Hash:
17292925863700157245
# Num Counters:
26
# Counter Values:
2
0
2
0
2
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2

w2c_f187
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
44665
0
44665
44665
44665

w2c_f1870
# Func Hash:
6921460295858884557
# Num Counters:
4
# Counter Values:
147
0
147
147

w2c_f1871
# Func Hash:
14226481446704327411
# Num Counters:
15
# Counter Values:
3838
0
0
0
8698
0
0
8698
8698
8698
8698
4860
3838
0
3838

w2c_f1872
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
5248
0

w2c_f1874
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
8701
0

w2c_f1880
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
196
0

w2c_f1882
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
196
0

w2c_f1893
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
136
0
136
0
0
0
0
0
0
0
0
136
0
136

w2c_f190
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
331063
0

w2c_f191
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
107
0
107
107
107

w2c_f1916
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1226
0

w2c_f1917
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2272
0

w2c_f1918
# Func Hash:
13122422561546473269
# Num Counters:
47
# Counter Values:
2272
0
0
0
0
0
2272
2272
0
0
0
0
0
0
0
0
2272
0
2272
0
0
2272
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2272
0
2272

w2c_f1919
# Func Hash:
4290847668521138608
# Num Counters:
20
# Counter Values:
2272
0
2272
0
2272
2272
2272
0
2272
0
0
0
2272
2272
2272
2272
2272
2272
0
2272

w2c_f192
# Func Hash:
4035828362174834954
# Num Counters:
11
# Counter Values:
531149
0
0
0
531149
531149
531149
531149
0
531149
531149

w2c_f1920
# Func Hash:
16646993544035582207
# Num Counters:
22
# Counter Values:
3498
0
10
0
3488
0
0
0
0
0
0
3498
0
0
0
3498
3498
3498
3498
3498
0
3498

w2c_f1921
# Func Hash:
11211970200
# Num Counters:
2
# Counter Values:
28749
0

w2c_f1922
# Func Hash:
5789622372038518862
# Num Counters:
5
# Counter Values:
31357
0
31357
31357
31357

w2c_f1923
# Func Hash:
14012473110796640334
# Num Counters:
40
# Counter Values:
3838
0
1216
0
2622
0
0
0
0
0
0
3838
3838
0
0
0
0
0
0
0
0
0
0
0
3838
0
1216
0
2622
1216
0
0
1216
1216
1216
1216
1216
3838
0
3838

w2c_f1924
# Func Hash:
14123005837569088019
# Num Counters:
6
# Counter Values:
2622
0
0
0
0
2622

w2c_f1925
# Func Hash:
10249634387457016791
# Num Counters:
15
# Counter Values:
2622
0
0
0
0
2622
0
0
0
0
0
0
0
0
2622

w2c_f1927
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2622
0

w2c_f1932
# Func Hash:
5047074193302868026
# Num Counters:
29
# Counter Values:
2622
0
2622
0
0
0
0
0
0
0
2622
0
0
0
2622
2622
2622
2622
0
2622
2622
2622
0
0
0
0
0
0
2622

w2c_f1935
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
3498
0

w2c_f1936
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
3488
0
0
3488

w2c_f1938
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
29370
0

w2c_f1939
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
219
0
0
219
219

w2c_f194
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
557594
0

w2c_f1940
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
29589
0
2
0
27838
0
0
1749
1749
1749
1749
29589
0
29589

w2c_f1941
# Func Hash:
16288775402378707940
# Num Counters:
15
# Counter Values:
613
0
0
613
0
0
0
0
0
0
0
0
613
0
613

w2c_f1942
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
608
0

w2c_f1943
# Func Hash:
1071672833716733673
# Num Counters:
22
# Counter Values:
3230
0
3230
0
0
0
0
3230
2094
0
0
1136
0
0
0
0
0
0
0
3230
0
3230

w2c_f1944
# Func Hash:
17622589607889393669
# Num Counters:
12
# Counter Values:
1136
0
1136
1136
1136
1136
1136
1136
1136
1136
1136
1136

w2c_f1945
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28523
0

w2c_f1947
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
224
0

w2c_f1949
# Func Hash:
11211969368
# Num Counters:
3
# Counter Values:
57034
0
57034

w2c_f195
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
7
0
0
0
7
7
7
7

w2c_f1951
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
1
0
1
1
1

w2c_f1952
# Func Hash:
11211969368
# Num Counters:
3
# Counter Values:
448
0
448

w2c_f1954
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
1
0
1
1
1

w2c_f1955
# Func Hash:
14973386532064987916
# Num Counters:
6
# Counter Values:
1374
0
1374
1374
0
1374

w2c_f1956
# Func Hash:
3203555481974624984
# Num Counters:
13
# Counter Values:
2622
0
2622
0
2622
2622
2622
2622
0
2622
2622
2622
2622

w2c_f1957
# Func Hash:
14973386532064987916
# Num Counters:
6
# Counter Values:
1248
0
1248
1248
0
1248

w2c_f1960
# Func Hash:
3848458620868429788
# Num Counters:
10
# Counter Values:
1749
0
1749
1749
1749
1749
1749
1749
1749
1749

w2c_f1961
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1749
0

w2c_f197
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
77
0
0
0
77
77
77
77

w2c_f1970
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
29370
0

w2c_f1971
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
219
0
0
219
219

w2c_f1972
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
29589
0
305
0
28976
0
0
308
308
308
308
29589
0
29589

w2c_f1977
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
28748
0
28748
28748
28748

w2c_f1979
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
28528
0
28527
28527
28528

w2c_f1981
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
224
0
224
224
224

w2c_f1984
# Func Hash:
8514111275478568980
# Num Counters:
6
# Counter Values:
28748
0
0
28748
0
28748

w2c_f1986
# Func Hash:
8514111275478568980
# Num Counters:
6
# Counter Values:
28749
0
0
28749
0
28749

w2c_f1993
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
2
0
2
2
2

w2c_f2003
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
243
0
243
243
243

w2c_f2011
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
308
0

w2c_f2012
# Func Hash:
11521904351750760067
# Num Counters:
74
# Counter Values:
308
0
308
0
0
0
0
0
0
308
308
0
0
0
0
0
0
0
0
308
308
0
0
0
0
0
0
0
0
308
308
0
0
0
0
0
0
0
0
308
308
0
0
0
0
0
0
0
0
308
308
0
0
0
0
0
0
0
0
308
308
0
0
0
0
0
0
0
0
308
0
308
0
308

w2c_f2013
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
308
0

w2c_f2014
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
29370
0

w2c_f2015
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
219
0

w2c_f2016
# Func Hash:
3063246832279645610
# Num Counters:
46
# Counter Values:
221
0
19
0
0
202
2
0
200
0
0
0
0
0
0
221
216
0
0
5
2
0
3
0
0
0
0
0
0
221
219
0
0
2
2
0
0
0
0
0
0
0
0
221
0
221

w2c_f2017
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
29589
0

w2c_f2018
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f202
# Func Hash:
4035828362174834954
# Num Counters:
11
# Counter Values:
767
0
0
0
767
767
767
767
0
767
767

w2c_f2026
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
29063
0

w2c_f2027
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
29063
0
29063
0
0
0
0
0
0
0
0
29063
0
29063

w2c_f2029
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
28748
0
0
0
28748

w2c_f203
# Func Hash:
4035828362174834954
# Num Counters:
11
# Counter Values:
655
0
0
0
655
655
655
655
0
655
655

w2c_f2048
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28754
0

w2c_f2049
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
28754
0
252
28754

w2c_f2053
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
57428
0

w2c_f2054
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28748
0

w2c_f2055
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28714
0

w2c_f206
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
915
0

w2c_f2064
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28747
0

w2c_f2069
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
7
0

w2c_f207
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
3805
0
0
0
3805
3805
3805
3805

w2c_f2073
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1
0

w2c_f2074
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
7
0

w2c_f2077
# Func Hash:
7612076655233969922
# Num Counters:
28
# Counter Values:
14
0
7
0
0
6
0
0
1
0
0
0
0
0
0
1
7
0
7
0
0
0
0
0
0
14
0
14

w2c_f2078
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
7
0
1
0
0
0
0
6
6
6
6
7
0
7

w2c_f2079
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f2082
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f2083
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
7
0

w2c_f2085
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
7
0
7
0
0
0
0
0
0
0
0
7
0
7

w2c_f2086
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
20
0
0
20
20

w2c_f2087
# Func Hash:
8842620722413991995
# Num Counters:
27
# Counter Values:
5
0
0
0
5
0
5
0
0
0
0
0
0
5
5
5
0
0
0
0
5
5
5
5
5
0
5

w2c_f2088
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
7
0

w2c_f209
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
6
0
0
0
6
6
6
6

w2c_f2090
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
311
0

w2c_f2091
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
311
0

w2c_f2092
# Func Hash:
717566038872
# Num Counters:
4
# Counter Values:
309
0
6
303

w2c_f2093
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
5
0

w2c_f2094
# Func Hash:
16990487543683318389
# Num Counters:
41
# Counter Values:
6
0
0
0
6
1
1
0
0
6
5
0
1
0
0
0
0
0
0
6
0
6
0
0
0
0
0
0
6
0
0
6
0
0
0
0
0
0
6
0
6

w2c_f2095
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
1
0
0
0
1
0
0
0
0
0
0
1
0
1

w2c_f2098
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
5
0
0
0
5
0
0
0
0
0
0
5
0
5

w2c_f210
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
41
0

w2c_f2100
# Func Hash:
16510345860454520351
# Num Counters:
16
# Counter Values:
1
0
0
1
0
0
0
1
0
0
1
1
1
1
0
1

w2c_f2101
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1
0

w2c_f2102
# Func Hash:
11811159818260089913
# Num Counters:
15
# Counter Values:
5
0
0
5
0
0
0
5
0
0
5
5
5
0
5

w2c_f2103
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
5
0

w2c_f2106
# Func Hash:
11211970584
# Num Counters:
2
# Counter Values:
5
0

w2c_f2107
# Func Hash:
4607275592765769654
# Num Counters:
20
# Counter Values:
1
0
1
1
1
1
1
1
33
0
4
2
4
3
33
33
33
32
1
1

w2c_f211
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
11
0
0
0
11
11
11
11

w2c_f2112
# Func Hash:
1208072630203194021
# Num Counters:
12
# Counter Values:
5
0
0
0
0
5
5
5
5
0
0
5

w2c_f2113
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
310
0

w2c_f2114
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
219
0

w2c_f2115
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
220
0

w2c_f2116
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
529
0

w2c_f2117
# Func Hash:
10644833306603500167
# Num Counters:
6
# Counter Values:
201
0
201
201
201
201

w2c_f2119
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
5101
0

w2c_f212
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
53
0

w2c_f2120
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
28502
0

w2c_f2121
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
28503
0

w2c_f2123
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
28505
0

w2c_f2124
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
28502
0

w2c_f2125
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
497
0
0
497

w2c_f2126
# Func Hash:
13994856246611068635
# Num Counters:
16
# Counter Values:
497
0
497
0
0
0
0
0
0
0
0
497
0
497
0
497

w2c_f2127
# Func Hash:
1864152222171981166
# Num Counters:
156
# Counter Values:
6
0
0
0
0
0
6
6
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
6
6
0
0
0
0
0
0
0
0
0
0
6
0
0
6
0
6
0
6
6
0
5
5
27
22
6
1
88
83
6
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
6
0
0
0
6
0
0
0
0
0
0
6
0
6
0
6
6
6
6
0
0
0
0
0
0
0
0
6
6
0
0
0
0
0
0
0
0
6
6
6
6
0
0
0
0
0
0
0
0
6
0
0
6

w2c_f2129
# Func Hash:
4036876505876003627
# Num Counters:
121
# Counter Values:
257877
0
229169
0
28708
0
0
0
0
0
0
257877
85
257792
213641
213641
0
213644
224
3
257568
257568
0
0
0
0
0
0
0
0
0
257568
23886
28708
228860
727591
0
727591
84
0
18731
0
0
0
0
0
0
0
0
0
378565
0
0
0
120166
0
0
0
0
210045
0
28708
28708
0
0
0
0
0
0
0
0
228776
228860
122386
122386
98500
98500
0
0
1
98499
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
0
257877
0
257877

w2c_f213
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
1011
0
0
0
1011
1011
1011
1011

w2c_f2130
# Func Hash:
1694602457752696882
# Num Counters:
121
# Counter Values:
318520
0
0
1
198617
119902
119902
119902
198617
0
148373
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
50243
0
0
0
0
0
0
0
0
0
0
0
0
148373
0
148373
0
0
148373
0
1
0
0
1
0
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
50243
25118
25125
0
6
0
25119
0
0
0
6
0
25119
25119
25119
25119
25119
25118
0
0
25118
0
289783
25120
25120
1
2
318520
0
318520

w2c_f2131
# Func Hash:
13856379674918453625
# Num Counters:
7
# Counter Values:
25120
0
25120
25120
25120
25119
25120

w2c_f2132
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
6
0
6
6

w2c_f2133
# Func Hash:
7272031691450648385
# Num Counters:
98
# Counter Values:
318520
0
1
318519
37
37
0
37
0
0
318519
318519
0
0
0
0
0
0
0
0
0
318519
198609
426922
0
426922
426876
426922
0
0
119878
0
0
0
0
0
0
0
0
0
306974
0
0
0
38
0
0
0
0
32
0
198609
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
0
198608
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
1
1
0
0
0
0
119910
318519
0
318520

w2c_f2134
# Func Hash:
2072075642293167918
# Num Counters:
86
# Counter Values:
148373
0
0
626046
0
598929
9039
9039
9039
0
0
0
0
0
0
0
0
0
9039
9039
9039
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
9039
9039
0
0
0
0
598929
0
0
148373
450556
148373
0
148373
0
0
450556
9039
441517
9039
477673
477673
0
148373
148373
148373
0
148373

w2c_f2135
# Func Hash:
17748849210554854986
# Num Counters:
70
# Counter Values:
1
0
0
24
0
24
0
24
10
10
3
3
1
2
1
1
1
1
0
0
1
1
1
1
0
0
0
0
0
0
0
0
0
0
1
1
1
3
24
23
0
1
1
1
0
0
1
1
1
1
1
1
1
1
1
0
1
1
0
0
1
1
0
1
1
1
1
0
0
1

w2c_f2136
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f2137
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
1
0
0
0
1
0
0
0
0
0
0
1
0
1

w2c_f2142
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
1
0
1
1

w2c_f2144
# Func Hash:
1187955999173638728
# Num Counters:
28
# Counter Values:
1
0
0
0
1
0
0
0
1
1
1
1
1
0
1
1
0
0
1
0
0
0
0
0
0
1
0
1

w2c_f2146
# Func Hash:
6310642000292629691
# Num Counters:
119
# Counter Values:
1
0
1
1
1
1
1
1
1
0
0
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
1
1
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
0
0
0
1
0
0
1
1
0
1
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
1

w2c_f2147
# Func Hash:
1922088022686481214
# Num Counters:
31
# Counter Values:
2
0
0
2
2
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2

w2c_f2149
# Func Hash:
2568607536354889984
# Num Counters:
121
# Counter Values:
1
0
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
0
1
0
0
0
0
0
0
1
1
0
0
0
1
0
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
1
1
1
0
0
0
0
1
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
1

w2c_f2151
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f2153
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
1
0
0
0
1
0
0
0
0
0
0
1
0
1

w2c_f2154
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f2157
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f2158
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f217
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
640
0
0
0
640
640
640
640

w2c_f2176
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
243
0

w2c_f2179
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
243
0

w2c_f218
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f2180
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
488
0

w2c_f2182
# Func Hash:
14575043760856234599
# Num Counters:
11
# Counter Values:
243
0
0
0
19
19
243
243
0
243
243

w2c_f2184
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
243
0

w2c_f2186
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
243
0

w2c_f2187
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f2189
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
1
0
0
1

w2c_f219
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
1496
0
0
0
1496
1496
1496
1496

w2c_f2191
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1
0

w2c_f2192
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f2193
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f2195
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f2197
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
49
0
49
49

w2c_f2198
# Func Hash:
13675874830722452840
# Num Counters:
30
# Counter Values:
49
0
0
3479
49
0
25137
21707
0
0
0
3430
3430
0
0
0
0
0
0
0
3479
3430
0
3430
3479
3430
3479
3479
3430
49

w2c_f220
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
332623
0

w2c_f2200
# Func Hash:
3314835670814819506
# Num Counters:
26
# Counter Values:
3591
0
0
0
0
3591
0
0
0
0
0
3591
0
0
0
3591
3591
3591
3591
0
3591
3591
3591
0
3591
3591

w2c_f2203
# Func Hash:
14338575307112897102
# Num Counters:
62
# Counter Values:
245
0
0
245
0
0
0
0
0
245
245
0
245
0
610
585
585
610
365
245
224
2
243
0
243
0
0
0
243
0
0
0
243
243
0
0
0
0
0
0
0
0
243
245
243
0
0
0
0
0
2
0
2
245
0
245
0
0
610
365
245
245

w2c_f2204
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
2
0

w2c_f2206
# Func Hash:
13880627552297826312
# Num Counters:
77
# Counter Values:
25112
0
0
0
0
25112
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
25112
0
0
25112
0
0
25112

w2c_f2207
# Func Hash:
8440084025150566371
# Num Counters:
56
# Counter Values:
309
0
309
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
309
309
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
309
309
0
309
0
0
309
309
309
309
309
0
309

w2c_f2208
# Func Hash:
14219672305028630109
# Num Counters:
140
# Counter Values:
6
0
0
35
29
0
0
0
6
0
6
0
29
29
29
29
29
29
0
29
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
6
0
0
6
0
0
0
0
0
0
6
0
6
6
0
0
0
6
0
6
0
0
6
6
0
0
6
0
0
0
0
0
0
0
6
0
6
0
0
0
0
0
0
0
0
0
0
6
6
0
0
0
0
0
0
0
0
0
0
0
0
6
29
29
0
0
6

w2c_f2209
# Func Hash:
6563642557967937858
# Num Counters:
187
# Counter Values:
45
0
0
0
45
45
45
45
39
0
6
6
29
0
0
29
0
17
6
6
0
6
0
6
6
17
12
6
6
12
12
12
6
6
0
6
6
6
0
29
0
0
0
29
0
0
29
29
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
29
0
0
0
0
0
0
0
0
0
0
0
29
0
29
18
11
0
18
29
11
29
6
39
0
0
39
39
39
39
34
0
10
10
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
10
0
0
0
0
0
0
0
0
0
0
0
10
5
6
0
29
0
0
0
0
0
0
0
0
0
0
0
0
0
0
29
23
6
0
0
29
0
29
23
6
45
0
45
0
0
0
0
0
0
45
0
45

w2c_f221
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
347734
0
0
0
347734
347734
347734
347734

w2c_f2210
# Func Hash:
16204842529881770412
# Num Counters:
25
# Counter Values:
23855
0
1
23854
0
0
1
0
0
23854
23854
23854
0
23854
0
23854
0
0
0
0
0
0
23855
0
23855

w2c_f2211
# Func Hash:
17711235303142551151
# Num Counters:
13
# Counter Values:
6
0
6
6
0
6
0
0
0
6
0
0
6

w2c_f2213
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
5098
0

w2c_f2214
# Func Hash:
14458528360289635543
# Num Counters:
8
# Counter Values:
7824
0
0
0
0
0
0
7824

w2c_f2218
# Func Hash:
15264960907578246969
# Num Counters:
148
# Counter Values:
2
0
0
0
0
0
0
2
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2
0
0
0
2
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
0
0
2
2
2
2
0
0
2
0
2
0
0
0
0
0
0
2
0
0
2
0
0
0
0
0
0
2
1
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
1
0
0
0
0
0
0
0
0
1
1
2
0
2
1
0
1
0
0
0
0
0
0
2
1
2
0
2

w2c_f222
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
239740
0

w2c_f2220
# Func Hash:
2274322447167636272
# Num Counters:
58
# Counter Values:
1
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
0
1
0
1
0
0
0
1
0
1
1
0
1

w2c_f2221
# Func Hash:
9220017377655078875
# Num Counters:
8
# Counter Values:
1
0
0
1
0
0
0
1

w2c_f2225
# Func Hash:
15792008337907813914
# Num Counters:
12
# Counter Values:
5097
0
5097
0
0
0
0
0
0
0
0
5097

w2c_f2227
# Func Hash:
923681392334124399
# Num Counters:
20
# Counter Values:
67
0
0
0
0
0
67
0
67
0
0
0
0
0
0
0
0
67
67
67

w2c_f2229
# Func Hash:
1752914373556826725
# Num Counters:
25
# Counter Values:
200
0
0
0
0
0
200
0
200
0
0
0
0
0
0
0
0
200
0
0
0
200
200
0
200

w2c_f223
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
529296
0
0
0
529296
529296
529296
529296

w2c_f2233
# Func Hash:
13160800840057166835
# Num Counters:
26
# Counter Values:
219
0
0
0
219
219
219
219
0
0
0
219
219
219
219
219
0
219
0
0
0
0
0
0
219
219

w2c_f2234
# Func Hash:
12596976624542411835
# Num Counters:
55
# Counter Values:
1181
0
0
1181
1181
0
0
0
1181
0
1181
0
0
0
0
0
0
0
0
1181
1181
0
0
0
0
1181
0
0
0
0
0
0
0
0
0
1181
1181
0
0
0
0
1181
0
0
0
0
0
0
0
0
0
1181
1181
1181
1181

w2c_f2235
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
222
0

w2c_f2243
# Func Hash:
17563842994212467401
# Num Counters:
34
# Counter Values:
28735
0
4
0
0
0
28731
0
28731
0
0
0
0
0
0
0
0
28735
1
0
0
0
28734
0
28734
0
0
0
0
0
0
0
0
28735

w2c_f2244
# Func Hash:
14076535652951857596
# Num Counters:
97
# Counter Values:
24911
0
0
0
0
24911
24911
24911
24911
0
0
24911
0
24911
0
0
0
0
0
0
24911
0
0
12762
264648
0
0
264648
0
0
0
0
0
0
264648
239737
24911
0
0
0
0
0
24911
0
12762
264648
0
119870
0
0
144778
144778
144778
144778
0
144778
144778
144778
119870
0
0
119870
119870
119870
119870
119870
119870
264648
0
264648
0
0
0
0
0
0
264648
24911
0
24911
0
144778
0
144778
119867
24911
0
24911
0
0
0
0
0
0
24911
0
24911

w2c_f2245
# Func Hash:
4669426792484444008
# Num Counters:
61
# Counter Values:
28502
0
0
28502
0
0
0
0
0
0
0
0
28502
0
0
0
28502
28502
28502
28502
12
28502
0
28502
0
0
0
28502
28502
0
0
0
0
28502
28502
0
0
0
28502
3591
24908
0
0
3
3
3
3
3
3
28502
0
28502
0
0
0
0
0
0
28502
0
28502

w2c_f2248
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
28503
0

w2c_f2249
# Func Hash:
14205509960811146902
# Num Counters:
40
# Counter Values:
23852
0
0
0
0
0
23852
0
23852
0
0
0
0
0
0
0
0
23852
0
0
0
0
0
23852
0
23852
0
0
0
0
0
0
0
0
0
23852
0
23852
0
23852

w2c_f225
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
12272
0
0
12272

w2c_f2250
# Func Hash:
9333821293411436192
# Num Counters:
61
# Counter Values:
23852
0
2
0
0
23850
23850
23850
23850
0
0
23850
0
23850
0
0
0
0
0
0
23850
23850
2
23850
23850
23850
0
0
23850
23850
23850
23850
23838
0
0
12
12
12
12
0
0
12
4
0
8
0
0
0
0
0
0
12
0
0
12
12
12
12
23852
0
23852

w2c_f2251
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
3
0

w2c_f2252
# Func Hash:
10813223283672093682
# Num Counters:
104
# Counter Values:
2726
0
2726
2726
0
0
0
2726
0
2726
0
0
0
0
0
0
0
0
2726
2726
0
0
0
0
2726
0
2726
0
0
0
0
0
0
0
0
2726
2726
2726
0
0
0
2726
0
2726
0
0
0
0
0
0
0
0
2726
2726
0
0
0
0
2726
0
2726
0
0
0
0
0
0
0
0
2726
2726
2726
0
0
0
2726
0
2726
0
0
0
0
0
0
0
0
2726
2726
0
0
0
0
2726
0
2726
0
0
0
0
0
0
0
0
2726

w2c_f2257
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
2
0

w2c_f226
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
12272
0

w2c_f2260
# Func Hash:
2660691462977671499
# Num Counters:
30
# Counter Values:
544
0
0
0
0
0
0
0
0
0
0
54
544
544
544
0
544
245
429
130
544
245
429
130
544
245
544
0
0
544

w2c_f2263
# Func Hash:
16294393721446531500
# Num Counters:
21
# Counter Values:
2723
0
0
2723
0
0
0
2723
2723
2723
2723
2723
0
2723
0
0
0
0
0
0
2723

w2c_f2265
# Func Hash:
18378772136211536467
# Num Counters:
49
# Counter Values:
201
0
0
0
0
201
201
201
201
0
0
201
0
201
0
0
0
0
0
0
201
0
0
0
0
0
201
0
201
0
0
0
0
0
0
0
0
201
0
201
0
0
0
0
0
0
201
0
201

w2c_f2267
# Func Hash:
861051158164005144
# Num Counters:
20
# Counter Values:
5
0
30
0
0
0
0
30
0
30
0
0
0
0
0
0
0
0
30
25

w2c_f2268
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
19
0

w2c_f2270
# Func Hash:
923681392334124399
# Num Counters:
20
# Counter Values:
147
0
0
0
0
0
147
0
147
0
0
0
0
0
0
0
0
147
147
147

w2c_f2274
# Func Hash:
1752914373556826725
# Num Counters:
25
# Counter Values:
1
0
0
0
0
0
1
0
1
0
0
0
0
0
0
0
0
1
0
0
0
1
1
0
1

w2c_f2275
# Func Hash:
16556721558005497786
# Num Counters:
73
# Counter Values:
44
0
0
44
44
0
0
0
44
0
44
0
0
0
0
0
0
0
0
44
44
0
0
0
0
44
0
0
0
0
0
0
0
0
0
44
44
44
44
0
0
0
44
0
0
0
0
0
0
0
0
0
44
44
44
0
0
0
0
44
0
0
0
0
0
0
0
0
0
44
44
44
44

w2c_f2277
# Func Hash:
188105652043334721
# Num Counters:
4
# Counter Values:
232
0
0
232

w2c_f2278
# Func Hash:
18147171789274399922
# Num Counters:
19
# Counter Values:
245
0
0
245
0
0
0
0
0
0
0
0
0
245
245
245
245
245
245

w2c_f2279
# Func Hash:
15572834307206616257
# Num Counters:
110
# Counter Values:
232
0
515
1137
622
0
0
0
515
0
515
0
0
513
2
0
513
0
20
0
0
8
0
12
0
0
0
251
0
0
0
0
0
0
0
0
0
0
0
0
0
222
0
251
0
241
241
20
0
9
9
20
20
20
20
8
8
20
20
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
12
0
2
10
2
2
2
10
2
2
0
622
0
622
622
622
0
232
232

w2c_f2280
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
2
0

w2c_f2281
# Func Hash:
2699125411704772785
# Num Counters:
6
# Counter Values:
219
0
97
97
97
219

w2c_f2282
# Func Hash:
1665345748744734633
# Num Counters:
23
# Counter Values:
97
0
0
0
97
0
0
97
96
1
0
97
96
1
1
1
0
97
96
97
0
0
97

w2c_f2283
# Func Hash:
12743835437630986595
# Num Counters:
71
# Counter Values:
13
0
13
13
0
0
0
13
0
13
0
0
0
0
0
0
0
0
13
13
0
0
0
0
13
0
13
0
0
0
0
0
0
0
0
13
13
13
0
0
0
13
0
13
0
0
0
0
0
0
0
0
13
13
0
0
0
0
13
0
13
0
0
0
0
0
0
0
0
0
13

w2c_f2284
# Func Hash:
8831722153835233256
# Num Counters:
21
# Counter Values:
13
0
0
13
13
13
13
0
13
13
13
0
0
0
0
13
0
13
13
13
13

w2c_f2285
# Func Hash:
12596976624542411835
# Num Counters:
55
# Counter Values:
1183
0
0
1183
1183
0
0
0
1183
0
1183
0
0
0
0
0
0
0
0
1183
1183
0
0
0
0
1183
0
0
0
0
0
0
0
0
0
1183
1183
0
0
0
0
1183
0
0
0
0
0
0
0
0
0
1183
1183
1183
1183

w2c_f2290
# Func Hash:
4421193468360158048
# Num Counters:
118
# Counter Values:
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
1
0
0
0
1
0
1
1
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
0
1
0
0
0
0
0
0
1
0
1

w2c_f2291
# Func Hash:
10774589036930306623
# Num Counters:
18
# Counter Values:
1
0
0
1
0
1
0
0
0
0
0
0
0
0
0
1
0
1

w2c_f2292
# Func Hash:
9022759984513962206
# Num Counters:
64
# Counter Values:
28754
0
0
0
0
28754
28754
0
0
0
0
0
0
0
0
28754
28754
0
0
0
0
0
0
0
0
0
0
0
0
28754
2
0
0
0
28752
28752
0
0
0
0
0
0
0
0
28754
8
0
0
0
28746
28746
0
0
0
0
0
0
0
0
28754
251
28754
0
28754

w2c_f2294
# Func Hash:
553709250794851966
# Num Counters:
18
# Counter Values:
210
0
0
0
0
0
210
0
210
0
0
0
0
0
0
0
0
210

w2c_f2296
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
34
0
0
34

w2c_f2297
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
4862
0
2448
4862

w2c_f2298
# Func Hash:
8775948442434893023
# Num Counters:
74
# Counter Values:
309
0
1
0
309
303
0
309
1
0
309
309
309
308
308
0
308
0
0
0
0
0
0
0
0
308
309
309
0
309
309
0
0
0
0
0
0
0
309
0
309
309
6
0
303
0
0
0
0
0
0
309
303
0
6
0
0
0
0
0
0
309
1
0
308
0
0
0
0
0
0
309
0
309

w2c_f2299
# Func Hash:
16101684563830722869
# Num Counters:
116
# Counter Values:
309
0
308
1
0
0
0
0
0
0
1
1
1
1
1
0
0
309
0
309
2472
0
0
0
2472
2472
2472
2472
2472
0
0
0
2472
2472
2472
2472
2472
2163
213
96
0
0
0
0
96
309
308
0
1
0
0
0
0
0
0
309
308
309
309
0
0
0
0
309
309
0
0
0
0
0
0
309
0
309
0
309
0
309
0
309
0
309
309
309
1
0
308
0
0
0
0
0
0
309
303
0
6
0
0
0
0
0
0
309
1
0
308
0
0
0
0
0
0
309
0
309

w2c_f230
# Func Hash:
7535276256064776735
# Num Counters:
7
# Counter Values:
7274
0
7225
7225
6
7219
7274

w2c_f2300
# Func Hash:
8641997420130744606
# Num Counters:
23
# Counter Values:
309
0
309
309
0
309
0
309
309
309
0
309
309
0
0
309
0
309
0
0
0
309
309

w2c_f2301
# Func Hash:
6666475377422927777
# Num Counters:
32
# Counter Values:
23857
0
23857
0
0
0
0
0
0
0
0
0
0
0
0
23857
0
23857
2
0
0
0
23855
23855
23855
23855
23855
2
2
23857
0
23857

w2c_f2302
# Func Hash:
16715586933944188476
# Num Counters:
31
# Counter Values:
105852
0
105852
0
0
0
0
0
0
0
0
0
0
0
0
105852
0
105852
0
31490
31490
0
0
31490
31490
31490
31490
31490
105852
0
105852

w2c_f2303
# Func Hash:
3394865764527296260
# Num Counters:
40
# Counter Values:
28708
0
28708
0
0
0
0
0
0
0
0
0
0
0
0
28708
0
28708
0
28707
1
0
0
0
0
0
0
0
0
28707
0
0
28707
28707
28707
28707
28707
28708
0
28708

w2c_f2305
# Func Hash:
16948306227907540101
# Num Counters:
31
# Counter Values:
29
0
23
0
6
23
0
11
23
23
23
0
23
0
23
17
17
38
21
23
6
38
38
38
21
23
6
23
0
0
29

w2c_f2307
# Func Hash:
10008272858256388347
# Num Counters:
13
# Counter Values:
7
0
0
7
0
0
0
0
0
0
7
0
7

w2c_f2308
# Func Hash:
11524454160961712464
# Num Counters:
7
# Counter Values:
309
0
309
309
0
0
309

w2c_f231
# Func Hash:
7366593264834292793
# Num Counters:
5
# Counter Values:
559631
0
38
559593
559631

w2c_f2310
# Func Hash:
12578555294858488236
# Num Counters:
106
# Counter Values:
497
0
0
0
496
1
1
0
1
0
497
0
497
1
1
1
1
0
1
0
0
497
1
497
0
497
497
497
0
497
0
256699
0
309
105852
97973
23857
28708
97973
97973
97973
97967
1785
96179
3
105852
105852
105852
105852
23857
23857
23857
23857
23857
23857
28708
0
0
28708
97973
97973
0
612070
336417
514097
2
15
97956
97956
0
0
97956
97956
97956
97956
97973
10897
158416
129709
0
0
0
0
0
28707
28707
28707
28707
158416
0
71340
97973
256390
256202
497
0
498
1
0
0
0
0
497
1
497
497

w2c_f2311
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
33651
0
33651
0
0
0
0
0
0
0
0
33651
0
33651

w2c_f2312
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
31490
0

w2c_f2313
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
23855
0
0
23855

w2c_f2316
# Func Hash:
18251468716108661131
# Num Counters:
22
# Counter Values:
309
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
309
0
309

w2c_f2318
# Func Hash:
16773224338689815257
# Num Counters:
64
# Counter Values:
305
0
305
305
305
0
0
305
0
305
0
0
0
0
0
0
305
303
303
0
0
0
303
0
0
0
0
0
0
0
0
303
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
303
0
303
0
0
0
0
0
0
305
0
305

w2c_f2320
# Func Hash:
7769876437710308325
# Num Counters:
101
# Counter Values:
6
0
0
0
6
0
6
0
0
0
0
0
0
6
5
6
0
0
6
0
6
0
0
0
0
0
0
6
5
0
1
0
0
0
0
0
0
0
0
1
0
0
6
0
0
6
0
6
0
0
0
0
0
0
6
0
0
6
0
0
6
6
6
5
6
6
6
0
6
0
0
0
0
0
0
0
0
6
0
0
0
0
0
0
0
0
0
0
6
5
0
1
0
0
0
0
0
0
6
0
6

w2c_f2321
# Func Hash:
17377806140924004221
# Num Counters:
42
# Counter Values:
311
0
2
311
0
0
0
311
311
311
311
311
2
311
311
0
0
0
0
0
0
0
0
0
0
0
0
0
0
311
2
0
0
0
0
309
309
309
309
311
0
311

w2c_f2322
# Func Hash:
13089965834971924045
# Num Counters:
5
# Counter Values:
311
0
2
2
311

w2c_f2323
# Func Hash:
17070765473631112964
# Num Counters:
31
# Counter Values:
311
0
311
0
8
311
0
0
0
0
0
0
0
0
0
311
1117
806
2
806
806
0
0
0
0
0
0
0
0
2
311

w2c_f2324
# Func Hash:
1250063868738921309
# Num Counters:
82
# Counter Values:
303
0
303
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
303
0
0
0
0
0
0
0
0
0
0
303
303

w2c_f2326
# Func Hash:
5537610920376751303
# Num Counters:
37
# Counter Values:
309
0
304
309
1
0
28754
0
28719
0
0
0
0
0
35
35
35
35
0
5
0
0
30
0
0
0
0
0
0
35
28754
28752
28754
28446
309
0
309

w2c_f2327
# Func Hash:
1147471681358794724
# Num Counters:
35
# Counter Values:
806
0
503
1
0
303
1
0
303
303
303
806
0
309
188
309
309
0
309
0
309
309
497
0
497
0
0
0
497
497
806
0
0
0
806

w2c_f2328
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
620
0
620
620

w2c_f2329
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
311
0

w2c_f2331
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
616
0

w2c_f2332
# Func Hash:
11190849367309171111
# Num Counters:
38
# Counter Values:
616
0
616
616
610
616
0
0
616
0
0
0
0
0
0
616
2
0
614
0
0
0
0
0
0
616
2
0
614
0
0
0
0
0
0
616
0
616

w2c_f2333
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
616
0
616
0
0
616

w2c_f2334
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
2165
0
1856
2165

w2c_f2335
# Func Hash:
1786149243110011155
# Num Counters:
37
# Counter Values:
616
0
308
308
0
28754
0
0
0
28754
28754
28754
28754
28754
28752
28754
28446
308
616
616
0
0
616
0
306
2
308
2
308
616
308
310
2
0
616
308
616

w2c_f2336
# Func Hash:
7548346996128808183
# Num Counters:
8
# Counter Values:
616
0
616
0
0
0
0
616

w2c_f2337
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
616
0
616
0
0
616

w2c_f2338
# Func Hash:
17804162892123009797
# Num Counters:
10
# Counter Values:
616
0
616
0
0
0
0
0
0
616

w2c_f2339
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
616
0
616
0
0
616

w2c_f2343
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
311
0
311
311

w2c_f2344
# Func Hash:
4555473245371660644
# Num Counters:
9
# Counter Values:
311
0
0
0
309
309
311
0
311

w2c_f2345
# Func Hash:
2233741179998315301
# Num Counters:
20
# Counter Values:
6
0
6
6
0
0
6
6
6
0
6
6
0
0
6
6
6
0
0
6

w2c_f235
# Func Hash:
5448639506089893228
# Num Counters:
7
# Counter Values:
72
0
0
72
0
72
72

w2c_f236
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
29
0
29
29
29

w2c_f2362
# Func Hash:
15080910720617264263
# Num Counters:
19
# Counter Values:
616
0
616
0
0
0
0
0
0
0
0
0
0
0
0
0
616
0
616

w2c_f2363
# Func Hash:
5343227228551646336
# Num Counters:
9
# Counter Values:
11
0
0
0
43
43
43
32
11

w2c_f2365
# Func Hash:
3290135723579545078
# Num Counters:
8
# Counter Values:
28754
0
0
308
28444
28754
0
28754

w2c_f2366
# Func Hash:
8440084025150566371
# Num Counters:
56
# Counter Values:
310
0
310
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
310
310
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
310
308
0
308
2
0
310
308
310
308
310
0
310

w2c_f237
# Func Hash:
16778706065194979171
# Num Counters:
7
# Counter Values:
52444
0
54
0
52390
28672
52444

w2c_f2379
# Func Hash:
18251468716108661131
# Num Counters:
22
# Counter Values:
310
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
310
0
310

w2c_f238
# Func Hash:
12355781706588002417
# Num Counters:
5
# Counter Values:
298780
0
21875
145265
298780

w2c_f2380
# Func Hash:
15134852802368104070
# Num Counters:
22
# Counter Values:
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2

w2c_f2382
# Func Hash:
17845505729519043856
# Num Counters:
53
# Counter Values:
610
0
2
0
0
0
608
0
0
0
0
0
0
0
608
610
610
0
0
0
0
0
0
0
0
0
610
2
0
0
608
608
0
0
0
0
0
0
0
0
610
2
0
608
0
0
0
0
0
0
610
0
610

w2c_f2383
# Func Hash:
2875926023920381274
# Num Counters:
49
# Counter Values:
2440
0
0
0
5656
2440
5296
604
2080
124
380
3092
5656
1216
1224
5296
604
1980
604
0
100
4440
0
588
4440
4440
0
4440
0
0
0
0
0
0
4440
3216
1224
1216
0
1216
0
0
0
0
0
0
2440
0
2440

w2c_f2384
# Func Hash:
13496157510907610525
# Num Counters:
49
# Counter Values:
610
0
2
608
2
610
610
0
610
0
610
610
610
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
610
0
610
0
0
0
0
610
0
0
0
0
610
610
0
610

w2c_f2385
# Func Hash:
7220450010569121057
# Num Counters:
27
# Counter Values:
1220
0
612
0
0
608
0
608
0
0
0
0
0
0
608
0
0
608
0
0
0
0
0
0
1220
0
1220

w2c_f2389
# Func Hash:
2029427132601641123
# Num Counters:
14
# Counter Values:
610
0
610
610
610
0
0
0
0
0
0
610
0
610

w2c_f2391
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
610
0

w2c_f2392
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f2393
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1222
0

w2c_f2394
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f2395
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f2398
# Func Hash:
11469492421915753744
# Num Counters:
10
# Counter Values:
305
0
0
305
0
0
0
305
305
305

w2c_f2399
# Func Hash:
17352900045151127982
# Num Counters:
16
# Counter Values:
11320
0
6880
0
0
4440
0
0
0
0
0
0
4440
11320
0
11320

w2c_f240
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
489753
0

w2c_f2401
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f2402
# Func Hash:
14349112400111716615
# Num Counters:
27
# Counter Values:
305
0
0
305
0
305
0
0
0
0
0
305
0
0
0
0
305
0
0
0
0
0
0
0
305
305
305

w2c_f2409
# Func Hash:
14444781203444060728
# Num Counters:
16
# Counter Values:
305
0
0
0
305
0
305
0
0
0
0
0
0
305
0
305

w2c_f2411
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
610
0
610
610

w2c_f2412
# Func Hash:
14675623447880270714
# Num Counters:
10
# Counter Values:
305
0
305
0
0
0
0
0
0
305

w2c_f2414
# Func Hash:
14675623447880270714
# Num Counters:
10
# Counter Values:
305
0
305
0
0
0
0
0
0
305

w2c_f2415
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f2416
# Func Hash:
5030983877322745195
# Num Counters:
11
# Counter Values:
305
0
0
0
0
0
305
305
305
305
305

w2c_f243
# Func Hash:
14220686166035489619
# Num Counters:
11
# Counter Values:
149749
0
70
149679
70
70
70
149679
149679
149679
149749

w2c_f245
# Func Hash:
12118910475699231283
# Num Counters:
12
# Counter Values:
233046
0
233046
0
233046
38386
0
153216
79830
75549
2192
233046

w2c_f246
# Func Hash:
9386331604695239264
# Num Counters:
13
# Counter Values:
103196
0
103196
0
103196
7096
0
27642
75554
75549
0
103196
103196

w2c_f247
# Func Hash:
7332352184391876734
# Num Counters:
16
# Counter Values:
978038
0
977370
977370
0
977370
0
977370
12880
977370
977370
977370
977370
941519
941519
978038

w2c_f249
# Func Hash:
16261629324284154738
# Num Counters:
15
# Counter Values:
12165
0
12165
12165
12165
12165
0
0
0
12165
0
12165
12165
12165
12165

w2c_f250
# Func Hash:
15571463425525692260
# Num Counters:
13
# Counter Values:
148373
0
148373
148373
0
0
0
0
0
0
0
0
148373

w2c_f251
# Func Hash:
2902838011765299143
# Num Counters:
15
# Counter Values:
107
0
107
107
107
107
0
0
0
107
0
107
107
107
107

w2c_f252
# Func Hash:
12224194986228979107
# Num Counters:
5
# Counter Values:
23
0
0
0
23

w2c_f254
# Func Hash:
7221651554617434021
# Num Counters:
14
# Counter Values:
148472
0
148472
148472
11175
11175
13154
1979
148472
3766
345883
201177
148472
148472

w2c_f255
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
27324
0

w2c_f257
# Func Hash:
704245394751268717
# Num Counters:
28
# Counter Values:
27345
0
200
285610
285610
285610
258465
27345
27345
27345
200
0
285610
0
0
0
0
0
285610
285610
285610
285610
285610
258465
27145
27345
0
27345

w2c_f258
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
27345
0

w2c_f260
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28041
0

w2c_f2602
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
7
0

w2c_f2603
# Func Hash:
2785065554625234765
# Num Counters:
92
# Counter Values:
7
0
7
7
7
7
6
0
0
1
1
1
1
7
7
0
0
0
0
0
0
0
0
7
7
0
0
0
0
0
0
0
0
7
7
0
0
0
0
0
0
0
0
7
7
7
0
7
6
7
6
0
1
0
0
0
0
0
0
7
0
0
0
0
0
7
7
7
7
7
0
0
7
0
0
0
0
0
0
7
0
0
7
0
0
0
0
0
0
7
0
7

w2c_f2604
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
7
0

w2c_f2605
# Func Hash:
7366593264834292793
# Num Counters:
5
# Counter Values:
5
0
0
0
5

w2c_f2606
# Func Hash:
10025761196436668766
# Num Counters:
37
# Counter Values:
7
0
0
7
0
0
0
0
0
0
0
0
7
0
0
0
7
7
0
0
7
0
0
7
0
0
0
0
0
0
0
0
7
7
7
0
7

w2c_f2607
# Func Hash:
2292816307117902268
# Num Counters:
87
# Counter Values:
7
0
1
1
1
1
0
0
1
1
0
0
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
1
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
1
7
0
0
7

w2c_f2608
# Func Hash:
10413806389838885150
# Num Counters:
36
# Counter Values:
7
0
1
1
0
0
0
1
0
1
0
1
7
7
7
7
7
0
7
7
7
7
0
0
0
0
0
0
0
0
7
0
7
0
0
7

w2c_f2609
# Func Hash:
3192478196613701559
# Num Counters:
107
# Counter Values:
7
0
0
0
7
0
0
6
1
0
0
0
0
6
5
5
0
5
0
0
0
0
0
0
1
1
1
1
0
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
0
0
0
1
1
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
0
1
0
1
0
1
0
1
0
0
0
0
0
0
7
0
6
0
1
1
0
0
0
0
0
0
0
0
1
0
1
0
1
7
0
0
7

w2c_f2610
# Func Hash:
4372274161253313857
# Num Counters:
8
# Counter Values:
7
0
0
0
7
0
0
7

w2c_f2613
# Func Hash:
12360251011877342246
# Num Counters:
109
# Counter Values:
7
0
6
0
0
0
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
7

w2c_f2615
# Func Hash:
12906037097752569373
# Num Counters:
49
# Counter Values:
2
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
2
0
2
0
1
1
0
0
0
0
0
0
2
0
0
2
0
0
1
1
1
0
0
0
0
0
0
1
2

w2c_f2616
# Func Hash:
11470539703345246267
# Num Counters:
141
# Counter Values:
2
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2

w2c_f262
# Func Hash:
11092995960167155986
# Num Counters:
57
# Counter Values:
21
0
0
21
21
0
21
0
0
21
21
21
21
0
49
0
98
98
49
49
0
49
0
0
49
49
49
49
0
49
0
0
0
0
0
0
0
0
0
0
49
49
49
0
0
0
0
0
0
0
0
49
49
28
21
0
21

w2c_f2621
# Func Hash:
8328343450383062808
# Num Counters:
14
# Counter Values:
1
0
1
1
0
1
0
1
1
1
0
0
0
1

w2c_f2622
# Func Hash:
6447717530013947013
# Num Counters:
69
# Counter Values:
1
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
3
0
0
3
3
3
3
3
3
2
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
1

w2c_f2623
# Func Hash:
12350258777419684365
# Num Counters:
24
# Counter Values:
1
0
1
0
0
1
0
0
1
1
1
0
1
0
1
1
0
0
1
1
1
0
0
1

w2c_f2626
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f2627
# Func Hash:
255573512492221625
# Num Counters:
6
# Counter Values:
5
0
5
5
5
5

w2c_f2628
# Func Hash:
17051211051821460179
# Num Counters:
83
# Counter Values:
8
0
0
8
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
0
0
8

w2c_f2629
# Func Hash:
14958999075146974512
# Num Counters:
103
# Counter Values:
8
0
0
0
8
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
0
0
8
0
0
0
0
0
0
0
0
0
0
0
0
0
8
0
64
56
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
0
8

w2c_f263
# Func Hash:
4687345521589745690
# Num Counters:
32
# Counter Values:
84325
0
0
42252
84325
0
0
84325
27145
381360
324180
84325
27145
381360
381360
0
0
0
0
0
0
0
0
381360
324180
84325
27145
84325
0
0
0
84325

w2c_f2630
# Func Hash:
5746447525162887048
# Num Counters:
151
# Counter Values:
213
0
213
213
213
213
213
0
0
213
205
8
205
0
0
0
213
213
0
0
0
0
0
0
0
0
0
0
0
213
8
0
204
0
1
0
0
1
0
1
0
1
0
204
0
0
0
0
204
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
8
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
8
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8
8
8
0
8
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
213
213
213
0
213

w2c_f2633
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
610
0

w2c_f2634
# Func Hash:
15182110419198753548
# Num Counters:
10
# Counter Values:
610
0
0
0
0
610
610
610
610
610

w2c_f2635
# Func Hash:
10859871097268783462
# Num Counters:
18
# Counter Values:
614
0
612
0
2
0
0
2
0
0
0
0
0
0
2
614
0
614

w2c_f2638
# Func Hash:
16154127322148004198
# Num Counters:
20
# Counter Values:
2
0
0
0
0
0
0
0
0
0
0
2
0
0
2
0
2
2
0
2

w2c_f264
# Func Hash:
3632999692894866383
# Num Counters:
36
# Counter Values:
609
0
0
0
0
0
609
609
609
609
609
609
0
0
609
609
609
609
609
0
609
0
0
609
609
609
609
0
0
0
609
609
609
609
609
609

w2c_f2641
# Func Hash:
10709149571845085929
# Num Counters:
85
# Counter Values:
2
0
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2
0
0
2
0
0
2
2
2
2
2
2
2
0
0
2
2
2
2
0
0
0
0
0
2
2
2
2
2
2
0
0
0
0
2
2
2
2
2
0
0
2
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
0
2
0
0
2

w2c_f2642
# Func Hash:
12225942499545128584
# Num Counters:
54
# Counter Values:
2
0
2
0
0
0
0
0
0
0
0
2
0
0
0
0
0
2
2
2
2
2
2
0
0
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
2
0
0
2
0
0
0
0
0
0
2
0
2

w2c_f2643
# Func Hash:
15566434636043004248
# Num Counters:
65
# Counter Values:
2
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
2
2
2
2
0
2
0
0
2
0
0
0
0
0
0
0
0
0
0
0
0
2

w2c_f2644
# Func Hash:
16262332377333612166
# Num Counters:
127
# Counter Values:
2
0
2
0
0
0
0
0
0
0
0
2
0
0
0
2
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
2
0
0
2
0
0
0
0
0
0
2
0
0
2
2
2
2
2
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
0
0
2
2
0
0
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
0
0
0
0
2
0
0
0
2
2
2
2
2
2
0
0
0
0
0
0
2
0
2

w2c_f2648
# Func Hash:
14461378996675886525
# Num Counters:
10
# Counter Values:
2
0
2
2
0
0
2
2
2
2

w2c_f2649
# Func Hash:
14461378996675886525
# Num Counters:
10
# Counter Values:
2
0
2
2
0
0
2
2
2
2

w2c_f265
# Func Hash:
8183151407449729289
# Num Counters:
10
# Counter Values:
1300
0
0
0
0
1300
1300
1300
1300
1300

w2c_f2650
# Func Hash:
14461378996675886525
# Num Counters:
10
# Counter Values:
2
0
2
2
0
0
2
2
2
2

w2c_f2651
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
612
0

w2c_f2652
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
2
0
2
2

w2c_f2657
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
8
0

w2c_f2658
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f266
# Func Hash:
2932992698299378577
# Num Counters:
54
# Counter Values:
4
0
4
4
4
4
0
0
4
4
4
4
4
0
4
0
0
4
4
4
4
4
4
0
0
4
4
4
4
4
0
4
0
0
4
4
4
4
4
4
0
0
4
4
4
4
0
0
0
4
4
4
4
4

w2c_f2660
# Func Hash:
16919186114390800573
# Num Counters:
25
# Counter Values:
7
0
7
0
0
0
0
0
0
0
0
7
6
7
0
7
0
0
0
0
0
0
7
0
7

w2c_f2662
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
9
0
0
9
9

w2c_f2666
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
6
0

w2c_f2667
# Func Hash:
10329836458978796498
# Num Counters:
23
# Counter Values:
1
0
0
0
0
1
1
1
1
0
0
1
0
1
0
0
0
0
0
0
1
0
1

w2c_f2668
# Func Hash:
12568339621054280255
# Num Counters:
44
# Counter Values:
7
0
7
0
0
0
0
0
0
0
0
7
0
0
1
0
0
6
6
6
6
7
7
0
0
0
0
0
0
0
0
7
7
0
0
0
0
0
0
0
0
7
0
7

w2c_f2669
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
7
0

w2c_f2671
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
2
0
2
0
2

w2c_f268
# Func Hash:
8269632330492799699
# Num Counters:
16
# Counter Values:
529758
0
0
0
0
0
529758
0
0
0
0
0
0
529758
0
529758

w2c_f2684
# Func Hash:
4372274161253313857
# Num Counters:
8
# Counter Values:
2
0
0
0
2
0
0
2

w2c_f2685
# Func Hash:
5834164408693148638
# Num Counters:
27
# Counter Values:
5
0
0
0
5
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
5

w2c_f2699
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
47619
0

w2c_f270
# Func Hash:
12988088687231233828
# Num Counters:
6
# Counter Values:
10
0
0
0
10
10

w2c_f2700
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f2701
# Func Hash:
10725338622289989205
# Num Counters:
30
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
0
49
21
132
0
0
132
132
132
132
78
88
34
78
132
54
132
104
49

w2c_f2702
# Func Hash:
10914315205517898586
# Num Counters:
26
# Counter Values:
313
0
181
0
0
0
0
0
132
132
132
132
132
0
0
132
0
0
0
0
0
0
132
313
0
313

w2c_f2703
# Func Hash:
17352900045151127982
# Num Counters:
16
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
0
0
49
0
49

w2c_f2704
# Func Hash:
10914315205517898586
# Num Counters:
26
# Counter Values:
51
0
50
0
0
0
0
0
1
1
1
1
1
0
0
1
0
0
0
0
0
0
1
51
0
51

w2c_f2705
# Func Hash:
10914315205517898586
# Num Counters:
26
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
49
0
49

w2c_f2706
# Func Hash:
10914315205517898586
# Num Counters:
26
# Counter Values:
259
0
154
0
0
0
0
0
105
105
105
105
105
0
0
105
0
0
0
0
0
0
105
259
0
259

w2c_f2707
# Func Hash:
10914315205517898586
# Num Counters:
26
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
49
0
49

w2c_f2708
# Func Hash:
4701556736876300599
# Num Counters:
18
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
0
0
0
0
49
0
49

w2c_f2710
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f2712
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f2713
# Func Hash:
13932606201989433957
# Num Counters:
60
# Counter Values:
47615
0
47615
47615
0
28
152030
66650
104443
90
47483
132
47615
47615
0
0
0
0
0
0
47615
132
0
47483
132
0
132
47483
0
47483
0
0
0
0
0
0
132
0
132
0
0
0
0
0
0
0
0
132
132
0
0
0
0
0
0
0
0
47615
0
47615

w2c_f2714
# Func Hash:
7247045974895916989
# Num Counters:
27
# Counter Values:
132
0
104
104
399
384
5
384
384
384
290
132
132
0
0
0
0
0
0
0
0
132
98
132
132
0
132

w2c_f2717
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f2718
# Func Hash:
4325988517187226490
# Num Counters:
144
# Counter Values:
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2
0
0
0
2
2
2
2
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2
0
0
0
0
2
0
2
2
0
2

w2c_f272
# Func Hash:
8269632330492799699
# Num Counters:
16
# Counter Values:
587
0
0
0
0
0
587
0
0
0
0
0
0
587
0
587

w2c_f2724
# Func Hash:
7247045974895916989
# Num Counters:
27
# Counter Values:
1
0
0
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
1
1
0
1

w2c_f2725
# Func Hash:
8190244671825140590
# Num Counters:
69
# Counter Values:
1
0
1
0
1
0
1
0
0
0
0
0
1
1
1
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
0
1
0
0
0
0
1
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
1

w2c_f2726
# Func Hash:
17726488703074014686
# Num Counters:
39
# Counter Values:
1
0
1
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
0
1
0
1
1
0
0
1
0
0
0
0
0
0
0
0
1
0
1

w2c_f2727
# Func Hash:
10371477718375072941
# Num Counters:
31
# Counter Values:
1
0
0
1
0
0
0
0
0
0
1
0
0
0
0
1
0
1
0
0
0
0
0
1
1
1
1
1
1
0
1

w2c_f2732
# Func Hash:
3155208754756176258
# Num Counters:
52
# Counter Values:
107
0
7
376
363
276
89
9
2
2
2
105
0
0
0
0
105
0
0
0
0
105
0
0
0
0
0
0
0
0
105
0
105
0
0
0
0
0
0
107
105
0
2
0
0
0
0
0
0
107
0
107

w2c_f2733
# Func Hash:
7247045974895916989
# Num Counters:
27
# Counter Values:
105
0
98
98
368
358
2
358
358
358
268
105
105
0
0
0
0
0
0
0
0
105
94
105
105
0
105

w2c_f2737
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
5
0

w2c_f2740
# Func Hash:
11246373934398132164
# Num Counters:
11
# Counter Values:
2
0
0
2
0
0
2
0
2
0
2

w2c_f276
# Func Hash:
8183151407449729289
# Num Counters:
10
# Counter Values:
8212
0
0
0
0
8212
8212
8212
8212
8212

w2c_f277
# Func Hash:
2452859982339754375
# Num Counters:
44
# Counter Values:
804
0
0
0
0
0
804
0
0
0
0
0
0
804
0
0
0
804
804
804
804
0
804
0
0
0
0
0
0
0
0
0
804
0
804
0
0
0
0
0
0
804
0
804

w2c_f2794
# Func Hash:
7984428486880358764
# Num Counters:
14
# Counter Values:
149439
0
149390
49
0
0
0
0
0
0
0
0
49
149439

w2c_f2803
# Func Hash:
8268461153159203883
# Num Counters:
12
# Counter Values:
2
0
0
2
0
0
2
0
0
2
0
2

w2c_f283
# Func Hash:
13536462666016058080
# Num Counters:
19
# Counter Values:
14
0
0
0
0
0
0
14
0
14
0
0
0
0
0
0
14
0
14

w2c_f287
# Func Hash:
12261976908725635979
# Num Counters:
27
# Counter Values:
1390
0
0
0
0
1390
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1390
0
1390

w2c_f293
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
285561
0

w2c_f294
# Func Hash:
12534632409918303539
# Num Counters:
20
# Counter Values:
285561
0
0
0
0
0
84276
84276
84276
0
0
0
0
0
0
0
0
285561
0
285561

w2c_f2969
# Func Hash:
11211970520
# Num Counters:
2
# Counter Values:
1174
0

w2c_f2970
# Func Hash:
16324628105737667534
# Num Counters:
1142
# Counter Values:
1174
0
1174
1174
0
0
1174
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1174
1174
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1174
1174
1174
0
1174
0
1174

w2c_f2971
# Func Hash:
18264801303775373849
# Num Counters:
31
# Counter Values:
1174
0
1174
0
1174
1174
1174
0
1174
0
1174
0
0
0
0
0
0
1174
1174
0
0
0
0
0
0
0
0
0
1174
0
1174

w2c_f298
# Func Hash:
8748749299531023716
# Num Counters:
5
# Counter Values:
7
0
0
0
7

w2c_f2993
# Func Hash:
18143426104355773156
# Num Counters:
4
# Counter Values:
587
0
0
587

w2c_f2994
# Func Hash:
16583092385423248348
# Num Counters:
58
# Counter Values:
587
0
587
587
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
587

w2c_f2995
# Func Hash:
12003520363236257923
# Num Counters:
23
# Counter Values:
1174
0
0
0
0
0
0
0
0
1174
0
0
0
0
0
0
0
1174
0
1174
1174
0
1174

w2c_f2996
# Func Hash:
4274304357329506815
# Num Counters:
26
# Counter Values:
1174
0
1174
0
0
0
0
0
0
0
0
0
1174
1174
0
0
0
0
0
0
0
0
0
1174
0
1174

w2c_f2997
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
587
0
0
0
587
0
0
0
0
0
0
587
0
587

w2c_f2998
# Func Hash:
10859871097268783462
# Num Counters:
18
# Counter Values:
1174
0
1174
0
0
0
0
0
0
0
0
0
0
0
0
1174
0
1174

w2c_f300
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
7
0
0
0
7
0
0
0
0
0
0
7
0
7

w2c_f3000
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1174
0

w2c_f3003
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
587
0

w2c_f3005
# Func Hash:
4223733663365591782
# Num Counters:
84
# Counter Values:
587
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
587
0
587

w2c_f3007
# Func Hash:
6742365964027818199
# Num Counters:
29
# Counter Values:
587
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
587
0
587

w2c_f301
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
874
0

w2c_f302
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
874
0
874
874

w2c_f3025
# Func Hash:
13345617230779103895
# Num Counters:
45
# Counter Values:
587
0
587
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
587
0
587

w2c_f3026
# Func Hash:
14606394123921139021
# Num Counters:
9
# Counter Values:
587
0
0
0
0
587
587
587
587

w2c_f3027
# Func Hash:
3784830798630966615
# Num Counters:
247
# Counter Values:
305
0
223
0
0
82
0
587
0
0
0
587
587
587
587
0
0
587
0
587
0
0
0
0
0
0
587
0
0
0
234
234
587
587
587
587
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
587
0
587
0
587
0
0
0
0
0
0
587
505
82
0
587
587
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
587
505
82
82
0
0
0
0
0
0
0
0
82
0
82
0
0
0
0
0
0
305
0
305

w2c_f3028
# Func Hash:
1665345748744734633
# Num Counters:
23
# Counter Values:
234
0
0
95
234
0
0
234
82
717
565
234
82
717
717
717
565
234
82
234
0
0
234

w2c_f3029
# Func Hash:
8455378798698169474
# Num Counters:
33
# Counter Values:
305
0
305
0
0
0
0
0
305
223
587
0
587
505
305
305
0
0
0
0
0
0
305
223
82
0
0
0
0
82
305
0
305

w2c_f303
# Func Hash:
7504747741787809696
# Num Counters:
6
# Counter Values:
1
0
0
1
0
1

w2c_f3030
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f3032
# Func Hash:
8955035727257059993
# Num Counters:
32
# Counter Values:
305
0
0
223
587
0
0
587
0
587
0
0
587
587
505
305
305
0
0
0
0
0
0
0
0
0
0
0
0
305
0
305

w2c_f304
# Func Hash:
16281582435608670570
# Num Counters:
6
# Counter Values:
28
0
0
28
0
28

w2c_f305
# Func Hash:
5754019207220696474
# Num Counters:
7
# Counter Values:
28724
0
0
28724
0
28724
28724

w2c_f306
# Func Hash:
460891093430778913
# Num Counters:
7
# Counter Values:
61290
0
0
61290
0
61290
61290

w2c_f308
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f309
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1
0

w2c_f311
# Func Hash:
9492256250229906635
# Num Counters:
33
# Counter Values:
8
0
8
8
1
7
1
0
0
1
1
1
1
1
1
8
8
0
0
0
0
0
0
0
0
8
0
0
8
8
8
8
8

w2c_f325
# Func Hash:
13516964485373888435
# Num Counters:
26
# Counter Values:
1
0
0
0
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1

w2c_f326
# Func Hash:
5348191154082331219
# Num Counters:
232
# Counter Values:
437
0
437
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
437
105
437
0
437
437
0
914
914
0
582
914
477
417
477
440
440
477
477
477
477
477
477
477
477
417
417
437
437
304
0
133
133
105
133
304
304
304
304
0
781
0
0
0
0
477
0
0
0
781
0
781
0
0
0
0
477
304
437
437
437
0
0
914
914
914
477
437
437
0
0
0
0
0
0
0
0
0
437
0
0
437
0
0
0
437
437
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
437

w2c_f327
# Func Hash:
16585482602656973426
# Num Counters:
26
# Counter Values:
1609
0
1524
0
85
1524
0
7
1524
0
1524
1512
3
3
5
2
12
0
1312
1300
12
1524
1512
1524
0
1609

w2c_f328
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
743
0

w2c_f329
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
743
0

w2c_f330
# Func Hash:
6284353634273428650
# Num Counters:
32
# Counter Values:
857
0
0
0
0
0
0
0
0
0
0
116
857
0
0
857
420
420
606
186
857
437
606
606
606
186
857
437
857
0
0
857

w2c_f335
# Func Hash:
10644833306603500167
# Num Counters:
6
# Counter Values:
1
0
0
1
0
1

w2c_f337
# Func Hash:
17564440176950123476
# Num Counters:
6
# Counter Values:
1
0
1
0
1
1

w2c_f338
# Func Hash:
14084259374495144722
# Num Counters:
10
# Counter Values:
8
0
8
0
8
0
8
8
0
8

w2c_f3432
# Func Hash:
10161109886841283700
# Num Counters:
43
# Counter Values:
79184
0
8399
120878
12714
81435
16429
6105
22534
19742
19742
13853
19742
0
0
19742
22534
16429
22534
16118
16118
22534
81435
14389
17316
53925
50093
31705
1266
1266
1023
1266
1266
1266
1266
31705
14389
31705
26028
26028
31705
56650
79184

w2c_f347
# Func Hash:
5452710299488536937
# Num Counters:
41
# Counter Values:
10379
0
0
10379
10379
0
0
10379
0
0
0
0
0
0
10379
0
0
0
0
0
0
0
10379
0
0
0
10379
61715
0
10255
0
51460
0
51460
124
51336
10379
0
10379
0
10379

w2c_f3471
# Func Hash:
13119768136738095618
# Num Counters:
101
# Counter Values:
2620
0
2608
0
23
11
2620
16
16
2620
35
37
37
35
2620
2608
0
0
12
1
12
6
2620
2548
56
16
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
16
2620
2620

w2c_f349
# Func Hash:
8540630580832689444
# Num Counters:
24
# Counter Values:
65063
0
0
79831
65063
0
14768
65063
14768
0
0
0
14768
0
14768
65063
0
0
0
0
0
65063
0
65063

w2c_f350
# Func Hash:
17883906185660207271
# Num Counters:
151
# Counter Values:
65063
0
65063
0
0
0
0
65063
65063
65063
14768
0
0
0
14768
0
14768
0
14768
14768
0
65063
65063
65063
201518
65063
136455
65063
65063
65063
0
0
0
65063
0
0
0
0
0
0
0
65063
0
200594
0
135531
65063
0
65063
65063
0
65063
0
65063
0
65063
0
65063
65063
0
0
0
0
0
65063
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
65063
65063
65063
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
65063
65063

w2c_f3532
# Func Hash:
2187053088369541175
# Num Counters:
26
# Counter Values:
191
0
0
105
191
191
191
0
191
0
191
43
453
305
191
43
453
453
453
305
191
43
191
0
0
191

w2c_f355
# Func Hash:
2494224591848362812
# Num Counters:
66
# Counter Values:
65063
0
0
0
0
0
0
0
65063
50295
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
65063

w2c_f3566
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f3567
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f3568
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
983
0

w2c_f3569
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
34
0

w2c_f3570
# Func Hash:
6248212244684966973
# Num Counters:
11
# Counter Values:
305
0
305
305
0
0
305
305
305
305
305

w2c_f3572
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
915
0

w2c_f3594
# Func Hash:
13854707010528437469
# Num Counters:
118
# Counter Values:
34
0
0
34
0
0
0
0
0
0
0
0
34
28
6
0
0
0
0
0
0
0
0
6
6
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
34
34
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
34
28
0
6
0
0
0
0
0
0
34
0
34

w2c_f3597
# Func Hash:
11211970253
# Num Counters:
3
# Counter Values:
15
0
15

w2c_f3601
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f3603
# Func Hash:
17352900045151127982
# Num Counters:
16
# Counter Values:
305
0
305
0
0
0
0
0
0
0
0
0
0
305
0
305

w2c_f3604
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f3610
# Func Hash:
335730539981135127
# Num Counters:
23
# Counter Values:
28748
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28748

w2c_f3665
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
49
0
49
49

w2c_f3666
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
34
0
0
34

w2c_f3667
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
34
0
34
34

w2c_f367
# Func Hash:
11211970264
# Num Counters:
2
# Counter Values:
23
0

w2c_f3674
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f3675
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f3704
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f3708
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f3709
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f3710
# Func Hash:
7559262623715299246
# Num Counters:
16
# Counter Values:
2828
0
0
0
0
0
0
0
0
2828
2828
2828
2828
2828
0
2828

w2c_f3712
# Func Hash:
11973774657844533838
# Num Counters:
52
# Counter Values:
305
0
0
305
305
305
305
305
305
0
0
0
305
0
0
0
0
0
0
0
0
305
0
305
0
0
0
0
0
0
305
1
0
305
305
305
0
305
0
0
0
0
0
0
305
305
305
305
0
305
0
305

w2c_f3713
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f3724
# Func Hash:
15518897309535233788
# Num Counters:
24
# Counter Values:
34
0
34
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
34

w2c_f3730
# Func Hash:
8034196749570757916
# Num Counters:
16
# Counter Values:
49
0
49
49
49
49
15
15
0
0
15
15
15
15
15
49

w2c_f3749
# Func Hash:
2272006029820919779
# Num Counters:
19
# Counter Values:
305
0
0
0
305
0
0
0
0
0
0
305
305
0
0
0
305
0
305

w2c_f375
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
449640
0
449640
449640

w2c_f382
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
4241
0

w2c_f4084
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4088
# Func Hash:
14054946606256960073
# Num Counters:
154
# Counter Values:
7519
0
0
0
0
0
3695
0
0
0
3824
3824
3824
3824
3824
3695
7519
0
7519
0
7519
0
3535
0
7519
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
7519
0
0
7519
7519
7519
7519
0
0
54
0
0
10546
0
0
3081
0
7519
7519
7519
7519
7519
7519
0
0
0
0
0
0
0
0
7519
7519
7519
3984
3984
3984
3984
3984
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3984
0
0
3984
3984
3984
3984
3984
0
3984
7519
0
3535
0
0
0
3984
0
0
3984
7519
7519

w2c_f4089
# Func Hash:
12230156098308739254
# Num Counters:
14
# Counter Values:
6753
0
6753
0
6753
0
0
6753
6753
6753
6753
6753
6753
6753

w2c_f4090
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
15038
0

w2c_f4091
# Func Hash:
14675623447880270714
# Num Counters:
10
# Counter Values:
78206
0
24559
0
0
53647
53647
53647
53647
78206

w2c_f4092
# Func Hash:
16981078778166855831
# Num Counters:
50
# Counter Values:
128
0
0
0
0
0
128
128
128
128
128
0
0
0
128
128
128
128
128
0
0
0
128
128
128
128
128
0
0
0
128
128
128
128
128
128
0
0
0
0
0
0
128
0
0
128
128
128
128
128

w2c_f4093
# Func Hash:
14323549298122959701
# Num Counters:
26
# Counter Values:
1692
0
384
1180
128
128
0
128
128
0
0
128
128
128
128
0
128
0
128
0
128
0
128
1692
0
1692

w2c_f4094
# Func Hash:
15169094897084194763
# Num Counters:
40
# Counter Values:
6760
0
6760
6760
0
6760
0
0
0
0
0
0
0
0
6760
0
6760
6760
1161
0
0
5599
5599
5599
5599
1161
0
0
1161
1161
1161
1161
1161
6760
0
0
0
6760
0
6760

w2c_f4095
# Func Hash:
8081130479578761612
# Num Counters:
136
# Counter Values:
846
0
0
134
0
134
0
712
712
712
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
712
0
584
0
0
128
128
128
128
584
0
0
584
584
584
584
584
712
0
0
712
0
0
712
712
584
0
0
128
128
128
128
584
0
0
584
584
584
584
584
712
0
0
0
712
0
0
712
128
0
712
846
0
712
134
134
128
0
0
712
0
846
128
846
128
846
0
846
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
846

w2c_f4098
# Func Hash:
7423400883483239983
# Num Counters:
14
# Counter Values:
7519
0
0
54
10546
3081
7519
7515
7515
7515
4
7519
0
7519

w2c_f4102
# Func Hash:
9980016693274939360
# Num Counters:
43
# Counter Values:
256
0
256
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
256

w2c_f4106
# Func Hash:
3499218481734303204
# Num Counters:
32
# Counter Values:
3952
0
3952
3952
0
0
0
48742
48742
48742
1677109
1593267
1628367
48742
48742
48742
44790
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3952

w2c_f4107
# Func Hash:
11720792035733317851
# Num Counters:
29
# Counter Values:
4082
0
4082
4082
0
0
4082
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
4082
0
0
4082
4082
4082

w2c_f4109
# Func Hash:
16644635889664240767
# Num Counters:
11
# Counter Values:
85175
0
0
0
0
401554
389254
389254
316379
72875
85175

w2c_f4112
# Func Hash:
6793671151368382518
# Num Counters:
52
# Counter Values:
128
0
128
128
0
0
128
0
0
0
0
128
0
0
128
128
128
128
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
128
128
128
128
128

w2c_f4114
# Func Hash:
3102360488892378161
# Num Counters:
72
# Counter Values:
7968
0
7968
0
0
0
0
0
0
0
0
0
0
0
7968
7968
7968
64
7904
7904
351262
31922
39020
30514
45872
343358
7968
0
0
3984
0
3984
0
0
0
0
0
0
0
0
0
3984
0
3984
3984
3984
0
3984
0
3984
3984
0
3984
3984
0
0
0
0
0
0
0
0
0
0
0
0
0
3984
0
0
7968
7968

w2c_f4115
# Func Hash:
2229964403672241949
# Num Counters:
13
# Counter Values:
24768
0
24768
24768
24768
24768
24768
24768
221888
24768
197120
24768
24768

w2c_f4116
# Func Hash:
14569607658526600644
# Num Counters:
16
# Counter Values:
7519
0
0
0
7465
7465
7465
7465
333197
30278
37108
28892
43668
325732
7519
7519

w2c_f4117
# Func Hash:
12679457605336048474
# Num Counters:
55
# Counter Values:
128
0
128
128
128
128
128
0
128
0
0
128
128
128
128
128
0
0
128
128
0
0
128
128
128
128
0
0
0
0
128
128
128
128
0
128
0
0
0
128
128
128
128
128
0
0
0
0
0
0
0
128
128
128
128

w2c_f4118
# Func Hash:
116696396517011726
# Num Counters:
34
# Counter Values:
128
0
0
0
0
128
128
128
128
128
0
0
0
0
0
128
128
128
128
128
0
128
0
0
0
128
0
0
128
128
128
128
128
128

w2c_f4119
# Func Hash:
12563091991689324203
# Num Counters:
16
# Counter Values:
7968
0
0
7968
7968
2
7966
3982
3984
3984
7968
0
0
7968
7968
7968

w2c_f4121
# Func Hash:
10765879362569033333
# Num Counters:
11
# Counter Values:
3984
0
0
0
0
32
179583
0
179583
175631
3984

w2c_f4122
# Func Hash:
9069965766864779334
# Num Counters:
122
# Counter Values:
3984
0
3984
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3984
3984
0
0
0
0
0
3984
0
3984
0
0
3984
3984
3984
3984
0
3984
0
0
3984
0
3984
3984
0
0
0
3984
0
0
3984
3984
3984
3984
3984
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3984

w2c_f4123
# Func Hash:
12062537717287812494
# Num Counters:
13
# Counter Values:
6592
0
0
6592
6592
0
0
0
6592
0
0
0
0

w2c_f4124
# Func Hash:
16328532151753565422
# Num Counters:
7
# Counter Values:
10612
0
0
32
491713
481133
10612

w2c_f4125
# Func Hash:
7366593264834292793
# Num Counters:
5
# Counter Values:
3984
0
0
0
3984

w2c_f4126
# Func Hash:
18233694383843006076
# Num Counters:
12
# Counter Values:
26944
0
0
0
0
0
26944
26944
26944
26944
26944
26944

w2c_f4127
# Func Hash:
9059214849570833512
# Num Counters:
46
# Counter Values:
151
0
0
0
298
151
0
0
0
0
147
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
147
0
298
147
151
302
4
151
147
151

w2c_f4128
# Func Hash:
7426245839245731983
# Num Counters:
142
# Counter Values:
128
0
128
128
128
128
0
0
128
0
128
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
128
0
277
0
277
277
149
128
149
149
128
0
0
0
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
128
0
0
128
128
128
128
128
0
0
128
28
28
128
0
0
0
128
0
128
128
0
128
128
0
0
0
0
0
0
0
0
0
0
0
0
0
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
128

w2c_f4129
# Func Hash:
9143355974426911796
# Num Counters:
98
# Counter Values:
277
0
277
0
277
0
0
277
277
277
277
277
277
277
277
277
0
0
277
277
277
277
277
277
277
0
0
0
0
0
277
277
277
0
0
277
277
277
277
277
149
124
4
149
149
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
149
149
0
0
0
0
0
0
149
128
0
149
0
0
0
149
149
149
149
149
0
0
0
149
149
149
149
149
0
0
0
149
149
149
149
149
277

w2c_f4130
# Func Hash:
15378637844006895637
# Num Counters:
151
# Counter Values:
128
0
128
0
0
0
0
0
0
128
0
128
0
0
0
0
0
0
128
128
0
0
0
0
0
0
128
0
0
128
128
128
128
128
0
128
0
0
128
0
0
0
128
128
128
128
128
128
0
0
0
0
0
0
128
0
0
0
128
128
128
128
128
0
0
128
128
128
128
0
0
128
128
128
128
0
128
128
0
252
0
0
0
252
252
252
252
252
0
0
252
252
252
252
124
128
0
0
0
128
128
128
128
128
0
0
0
128
128
128
128
128
0
128
0
0
0
0
0
0
128
0
0
0
128
128
128
128
128
128
0
0
0
0
0
0
128
0
0
0
128
128
128
128
128
0
0
128
128
128
128

w2c_f4131
# Func Hash:
9954558815968608004
# Num Counters:
72
# Counter Values:
128
0
128
128
0
128
128
128
0
128
0
0
128
128
128
128
128
128
128
0
0
128
128
128
128
0
0
0
128
128
128
128
128
128
0
0
0
128
128
128
128
0
128
128
128
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
128

w2c_f4132
# Func Hash:
14787860012855424732
# Num Counters:
27
# Counter Values:
128
0
128
128
128
128
0
128
128
315
128
187
128
45
45
128
60
60
128
0
0
128
128
128
128
128
128

w2c_f4133
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
128
0
128
128
128

w2c_f4135
# Func Hash:
4691466363259042116
# Num Counters:
12
# Counter Values:
8417
0
0
0
0
8417
8417
8417
8417
0
0
8417

w2c_f4140
# Func Hash:
17258776962357740750
# Num Counters:
9
# Counter Values:
116901
0
0
116901
116901
0
0
116901
0

w2c_f4141
# Func Hash:
9624181909157525145
# Num Counters:
84
# Counter Values:
128
0
0
0
128
0
0
0
0
0
128
0
0
0
0
0
0
0
0
128
128
0
0
0
0
128
128
0
0
0
0
128
128
0
128
128
128
0
0
0
0
0
128
128
128
0
0
0
0
0
0
0
0
0
0
0
128
128
0
0
0
0
0
0
0
0
0
0
0
128
128
0
0
0
0
0
128
128
128
0
0
128
128
128

w2c_f4143
# Func Hash:
6572344157036063413
# Num Counters:
22
# Counter Values:
128
0
128
128
128
128
0
0
0
0
0
0
0
128
128
128
128
0
0
0
0
128

w2c_f4144
# Func Hash:
9037951563725006658
# Num Counters:
9
# Counter Values:
128
0
128
128
128
128
128
128
128

w2c_f4145
# Func Hash:
4911330100669211587
# Num Counters:
18
# Counter Values:
23
0
23
23
23
0
0
23
0
0
0
0
0
0
0
0
0
23

w2c_f4146
# Func Hash:
15126333946349978558
# Num Counters:
30
# Counter Values:
130
0
130
130
0
0
0
256
126
0
0
0
0
130
130
130
130
107
0
0
23
23
23
23
23
0
130
126
126
130

w2c_f4147
# Func Hash:
6808508592312299298
# Num Counters:
35
# Counter Values:
30147
0
30147
30147
0
30147
0
0
0
0
0
0
0
0
30147
0
30147
30147
0
0
0
30147
30147
30147
30147
0
0
0
0
0
0
0
0
0
30147

w2c_f4148
# Func Hash:
14004577276091790298
# Num Counters:
76
# Counter Values:
256
0
0
0
0
256
0
256
0
0
256
256
256
256
256
256
256
0
0
0
256
256
256
256
4
252
252
252
0
252
252
124
0
0
128
128
128
128
128
124
0
0
124
124
124
124
124
0
0
4
0
0
0
4
4
4
4
4
0
0
4
4
4
4
252
256
256
256
0
0
0
0
0
0
0
256

w2c_f4151
# Func Hash:
4967254943530585296
# Num Counters:
31
# Counter Values:
5600
0
0
0
0
0
0
0
22
5578
22
22
22
0
0
22
22
22
22
22
22
5600
0
0
0
0
5600
5600
5600
5600
5600

w2c_f4152
# Func Hash:
9789375181549805766
# Num Counters:
36
# Counter Values:
3781
0
3781
3781
0
0
3781
3781
0
0
0
0
106
3675
106
106
106
0
0
106
106
106
106
106
106
3781
0
0
0
0
3781
3781
3781
3781
3781
3781

w2c_f4156
# Func Hash:
10669702491258989271
# Num Counters:
65
# Counter Values:
490
0
490
490
0
490
490
49
2205
0
441
0
0
0
441
441
490
490
0
490
0
0
490
490
490
490
490
490
490
392
0
490
490
490
294
490
147
0
0
343
343
343
343
0
490
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
490

w2c_f4157
# Func Hash:
4987733639940648381
# Num Counters:
80
# Counter Values:
340
0
340
340
0
0
1870
1530
340
0
0
340
0
340
340
272
0
0
102
68
34
68
0
0
0
68
68
68
68
68
34
34
68
68
68
68
0
0
68
68
68
68
34
34
34
0
34
68
340
204
0
136
0
0
0
0
0
0
0
0
136
340
170
0
0
170
170
170
170
340
0
0
340
340
340
340
1530
1530
0
340

w2c_f4158
# Func Hash:
215651526997896151
# Num Counters:
37
# Counter Values:
98
0
0
0
98
98
98
98
98
98
0
0
0
0
98
98
98
98
0
98
49
49
0
98
98
98
0
98
0
0
0
0
0
0
0
0
98

w2c_f4159
# Func Hash:
7218496495769569624
# Num Counters:
10
# Counter Values:
596
0
0
0
0
4470
596
0
596
596

w2c_f4160
# Func Hash:
18034738644249064087
# Num Counters:
29
# Counter Values:
12149
0
0
12149
12149
0
0
12149
12149
12149
12149
12149
0
21
0
72768
12128
12128
0
0
48512
48512
48512
48512
12128
60640
60640
0
12149

w2c_f4162
# Func Hash:
5808481814998904829
# Num Counters:
14
# Counter Values:
49
0
0
0
0
0
49
49
49
49
49
49
49
49

w2c_f4164
# Func Hash:
8423746308613734413
# Num Counters:
53
# Counter Values:
34
0
34
34
0
68
68
68
680
340
340
340
204
136
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
680
612
68
34
0
340
306
34
0
0
34
34
34
34
34
34

w2c_f4165
# Func Hash:
11273037696288991021
# Num Counters:
118
# Counter Values:
3952
0
0
3952
3952
3952
3952
5588
0
0
0
5588
0
0
0
0
0
0
0
0
0
0
0
0
0
0
5588
0
0
5588
5588
5588
5588
0
0
74754
0
0
24130
50624
24130
0
0
24130
24130
24130
24130
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
50624
0
0
2007
0
0
48617
48617
48617
48617
0
2007
0
0
2007
2007
2007
2007
2007
72747
69166
3581
0
0
3581
3581
3581
3581
0
5588
3952
0
3952

w2c_f4175
# Func Hash:
5011048894185240305
# Num Counters:
16
# Counter Values:
2085
0
0
2085
0
0
0
0
0
0
2085
0
0
2085
0
2085

w2c_f4176
# Func Hash:
3428654591218587735
# Num Counters:
16
# Counter Values:
382
0
0
382
0
0
0
0
0
0
0
382
382
382
382
382

w2c_f4177
# Func Hash:
2302979597037341350
# Num Counters:
14
# Counter Values:
2809
0
2809
0
0
0
0
0
0
0
2809
2809
2809
2809

w2c_f4178
# Func Hash:
6258158536223380034
# Num Counters:
15
# Counter Values:
275
0
0
275
0
0
0
0
0
0
0
275
0
275
275

w2c_f4179
# Func Hash:
3428654591218587735
# Num Counters:
16
# Counter Values:
149
0
0
149
0
0
0
0
0
0
0
149
149
149
149
149

w2c_f4180
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
296
0

w2c_f4182
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
1032
0
0
1032

w2c_f4183
# Func Hash:
11294366804841510220
# Num Counters:
41
# Counter Values:
1286
0
1286
0
0
0
0
0
0
0
0
0
0
0
0
0
1286
0
0
1286
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1286

w2c_f4184
# Func Hash:
11865910972001351203
# Num Counters:
12
# Counter Values:
1842
0
0
1842
0
0
0
0
0
0
0
1842

w2c_f4185
# Func Hash:
7100833731784954224
# Num Counters:
12
# Counter Values:
233
0
233
0
0
0
0
0
0
0
0
233

w2c_f4186
# Func Hash:
7702766162925045365
# Num Counters:
4
# Counter Values:
4809
0
0
4809

w2c_f4188
# Func Hash:
1147051532599787823
# Num Counters:
14
# Counter Values:
147
0
0
147
0
0
0
0
0
0
0
147
147
147

w2c_f419
# Func Hash:
980832157860600679
# Num Counters:
10
# Counter Values:
1
0
0
0
0
0
0
0
1
1

w2c_f4190
# Func Hash:
16201765787478672772
# Num Counters:
72
# Counter Values:
21
0
21
21
21
21
105
0
21
0
0
0
63
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
21
0
0
0
0
0
0
0
0
0
0
0
0
63
63
0
0
63
0
0
0
0
63
0
0
63
21
21
0
21
0
0
0
0
0
0
0
0
21
21
21

w2c_f4192
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
26903
0

w2c_f4196
# Func Hash:
11342613400080872596
# Num Counters:
8
# Counter Values:
107
0
0
0
0
107
107
107

w2c_f420
# Func Hash:
3470468773140996582
# Num Counters:
12
# Counter Values:
437
0
0
0
0
0
0
0
0
0
437
437

w2c_f4201
# Func Hash:
16629984009603016494
# Num Counters:
16
# Counter Values:
6799
0
0
0
0
6799
6799
6799
6799
0
0
6799
0
0
0
6799

w2c_f4202
# Func Hash:
7340303658607715677
# Num Counters:
16
# Counter Values:
42
0
42
42
42
0
42
0
0
42
42
42
42
42
42
42

w2c_f4203
# Func Hash:
3926299450818771497
# Num Counters:
7
# Counter Values:
3781
0
0
14009
3781
10228
3781

w2c_f421
# Func Hash:
9336941455514892750
# Num Counters:
108
# Counter Values:
446
0
440
440
0
440
440
440
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
440
0
0
440
440
440
440
440
440
440
0
0
0
0
0
0
0
0
440
440
0
0
0
0
0
0
0
0
0
0
0
440
440
440
0
0
0
0
0
0
0
0
440
0
440
0
0
0
0
0
0
446
0
446
0
0
0
0
0
0
446
0
446

w2c_f422
# Func Hash:
11394853749458955630
# Num Counters:
35
# Counter Values:
440
0
0
0
440
0
0
440
0
0
0
0
440
440
0
0
0
0
0
0
0
0
0
0
0
0
0
0
440
440
440
0
0
0
440

w2c_f4221
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f4222
# Func Hash:
10314434712899635363
# Num Counters:
137
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
49

w2c_f4223
# Func Hash:
14515050294486141886
# Num Counters:
8
# Counter Values:
49
0
49
49
49
49
49
49

w2c_f4224
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
34
0
34
34
34

w2c_f423
# Func Hash:
7800154901889603272
# Num Counters:
18
# Counter Values:
439
0
439
0
0
0
0
0
0
0
0
439
439
439
439
439
0
439

w2c_f4231
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
49
0
0
49

w2c_f4232
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2453
0

w2c_f4233
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
60740
0

w2c_f4234
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
60515
0

w2c_f4235
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4236
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
21
0

w2c_f4237
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
21
0

w2c_f424
# Func Hash:
13153403013967862910
# Num Counters:
141
# Counter Values:
439
0
0
0
439
0
439
0
0
0
0
0
0
0
0
0
0
0
0
0
0
439
0
0
438
1
438
437
1
0
0
0
0
0
0
0
0
1
1
0
1
0
1
0
1
0
1
0
1
0
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
1
1
0
1
1
0
0
0
0
0
0
0
0
1
437
437
0
437
437
0
0
0
437
437
0
0
0
0
0
0
0
0
437
439
1
439
0
437
2
0
0
0
0
437
0
437
437
0
0
0
0
0
0
0
0
437
2
2
0
0
0
0
0
0
0
0
439
439
439
439
439
0
439

w2c_f4240
# Func Hash:
5948447873786352438
# Num Counters:
13
# Counter Values:
21
0
21
21
21
21
0
0
21
21
21
21
21

w2c_f4241
# Func Hash:
8901962171940125998
# Num Counters:
15
# Counter Values:
4830
0
0
4809
0
4809
0
0
0
4809
4809
4809
4809
4809
4830

w2c_f4242
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
21
0

w2c_f4245
# Func Hash:
16796962846888469656
# Num Counters:
7
# Counter Values:
49
0
49
49
49
0
49

w2c_f4246
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4247
# Func Hash:
12534877985416174354
# Num Counters:
13
# Counter Values:
12193
0
65
0
0
0
0
0
12128
12128
12128
12128
12193

w2c_f4248
# Func Hash:
12648162165669726239
# Num Counters:
207
# Counter Values:
21
0
0
0
0
0
0
21
21
21
21
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
0
21
0
0
21
21
0
0
21
0
21
21
21
21
21
0
0
21
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
0
21
21
21
0
0
0
0
21
21
0
0
21
0
0
0
294
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
294
294
273
0
0
21
21
21
0
0
0
21
0
21
0
0
0
21
0
21
21
0
21
0
21
21
21
0
0
0
0
0
0
0
0
0
0
0
21
0
0
21
21
0
0
21
0
0
21
0
0
21
0
0
0
0
21
21
21

w2c_f4249
# Func Hash:
16244363489116567342
# Num Counters:
91
# Counter Values:
21
0
0
21
0
0
0
0
0
21
0
0
0
21
0
21
21
0
21
21
0
0
21
21
0
21
21
0
0
21
0
0
0
0
21
21
0
21
0
0
0
21
21
0
0
0
0
0
0
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
21
21
21
0
0
0
0
0
0
21
21
0
0
21
21

w2c_f425
# Func Hash:
12879510898187790105
# Num Counters:
16
# Counter Values:
1
0
1
1
1
0
0
0
0
0
0
0
0
1
0
1

w2c_f4250
# Func Hash:
8901962171940125998
# Num Counters:
15
# Counter Values:
63
0
0
21
0
21
0
0
0
21
21
21
21
21
63

w2c_f4251
# Func Hash:
2281037803572463011
# Num Counters:
8
# Counter Values:
21
0
0
0
0
21
0
21

w2c_f4254
# Func Hash:
10780903466990887576
# Num Counters:
43
# Counter Values:
21
0
0
0
0
0
21
21
21
21
21
0
0
21
21
21
0
21
21
21
0
21
21
21
0
21
21
21
21
0
0
21
21
21
0
0
0
21
21
21
21
21
21

w2c_f4255
# Func Hash:
13164291467939689648
# Num Counters:
8
# Counter Values:
21
0
0
0
0
21
21
21

w2c_f4256
# Func Hash:
7650678486803533817
# Num Counters:
12
# Counter Values:
21
0
21
0
0
0
21
21
0
0
0
21

w2c_f4257
# Func Hash:
4357797607372725899
# Num Counters:
39
# Counter Values:
21
0
0
0
0
0
0
21
21
21
21
0
0
0
0
21
21
21
21
0
21
21
0
0
0
0
0
0
0
21
21
0
0
0
0
0
0
0
21

w2c_f4258
# Func Hash:
5342136160553904127
# Num Counters:
56
# Counter Values:
21
0
0
0
21
0
21
0
42
21
21
0
21
0
0
21
0
42
21
21
21
0
0
0
0
0
0
0
21
21
0
0
0
0
0
0
0
21
21
0
0
0
0
0
0
0
21
21
0
0
0
0
0
0
0
21

w2c_f4259
# Func Hash:
14469140599196291053
# Num Counters:
60
# Counter Values:
21
0
0
0
0
0
0
0
21
21
21
21
0
0
0
21
21
21
21
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
21

w2c_f4260
# Func Hash:
5030983877322745195
# Num Counters:
11
# Counter Values:
21
0
0
0
0
0
21
21
21
21
21

w2c_f4261
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
21
0
0
21

w2c_f4262
# Func Hash:
11467268618964679838
# Num Counters:
168
# Counter Values:
948
0
948
0
0
0
0
0
948
948
948
948
948
419
419
948
948
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
948
948
0
0
948
948
948
948
948
948
0
0
948
948
948
948
0
948
0
0
0
0
0
0
948
948
0
0
0
948
948
948
948
0
0
948
948
948
948
948
0
0
0
0
0
0
948
948
0
0
0
0
0
0
948
0
948
0
0
948
0
948
0
0
948
948
948
948
948
0
0
0
0
0
0
0
0
948
948
948
0
948
948
948
0
0
0
0
0
0
948
948
948
0
0
0
0
0
0
0
948
0
0
948
948
0
0
0
948
0
948
948
948
529
419
529
0
32
12619
12122
529
948
948
0
0
0
0
948
948
948
948

w2c_f4265
# Func Hash:
18042658864974522014
# Num Counters:
52
# Counter Values:
990
0
0
0
0
0
0
0
990
0
0
990
0
1938
948
990
990
0
990
990
0
0
990
0
0
990
0
1938
948
990
990
0
0
0
0
0
0
0
990
990
0
990
990
0
990
0
0
990
990
0
0
990

w2c_f4268
# Func Hash:
10535238015103299151
# Num Counters:
32
# Counter Values:
21
0
0
0
0
0
0
0
21
21
21
21
0
0
0
21
21
21
21
21
0
0
0
0
0
0
0
0
0
0
0
21

w2c_f4274
# Func Hash:
2963875880558943463
# Num Counters:
31
# Counter Values:
5152
0
5152
0
0
0
0
0
0
0
0
5152
0
0
594458
589720
0
589720
0
0
589720
589720
589720
589720
594458
0
5152
589306
589306
5152
5152

w2c_f4275
# Func Hash:
1685945656524109018
# Num Counters:
13
# Counter Values:
23
0
23
0
0
0
0
0
0
0
0
0
23

w2c_f4280
# Func Hash:
17040885089491579633
# Num Counters:
22
# Counter Values:
21
0
0
0
0
0
21
21
21
0
0
0
21
21
0
21
21
21
21
21
21
21

w2c_f4281
# Func Hash:
7493015830226210616
# Num Counters:
105
# Counter Values:
42
0
966
42
0
357
567
567
0
21
0
21
525
21
84
84
84
21
63
21
0
525
357
357
357
336
21
21
357
21
2268
84
63
84
0
1932
84
63
84
231
357
0
357
0
357
0
147
0
21
105
0
0
42
42
252
0
21
273
0
0
0
0
273
0
0
273
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
42
42
0
168
126
42
0
0
42
42
42
42
42
42
42
42
0
357
924
924
924
0
42
42

w2c_f4285
# Func Hash:
9179888929914529551
# Num Counters:
28
# Counter Values:
294
0
0
294
0
294
0
21
0
273
21
21
0
21
0
0
0
0
273
189
189
0
189
189
0
0
0
294

w2c_f4286
# Func Hash:
13237041662299466661
# Num Counters:
42
# Counter Values:
273
0
0
252
0
0
0
0
0
0
252
0
0
0
252
0
0
0
0
0
0
0
0
252
147
147
63
84
84
63
63
63
252
252
0
0
0
252
0
0
252
273

w2c_f4287
# Func Hash:
10906645885531480404
# Num Counters:
105
# Counter Values:
21
0
21
21
21
21
21
21
21
0
21
21
21
21
0
0
0
21
21
21
126
126
63
63
63
0
63
126
105
105
84
84
0
105
21
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
0
21
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
21
21
0
0
0
0
0
0
0
21
0
0
0
0
0
0
0
0
0
0
0
21
21
0
0
0
21
0
0
21

w2c_f4289
# Func Hash:
6921460295858884557
# Num Counters:
4
# Counter Values:
21
0
0
21

w2c_f4290
# Func Hash:
9955452571385008697
# Num Counters:
6
# Counter Values:
21
0
0
0
0
21

w2c_f4296
# Func Hash:
5391573400989523125
# Num Counters:
12
# Counter Values:
105
0
0
0
105
0
0
105
0
147
42
105

w2c_f4297
# Func Hash:
4733951394227860376
# Num Counters:
20
# Counter Values:
126
0
126
0
126
0
126
21
0
0
0
0
0
63
63
105
0
0
0
126

w2c_f4298
# Func Hash:
4734447640246438933
# Num Counters:
66
# Counter Values:
63
0
0
21
0
0
0
0
21
21
0
0
0
0
0
0
21
0
1932
1911
21
0
0
84
63
21
21
0
0
0
0
0
0
42
0
63
0
0
63
21
0
21
0
42
21
0
1974
0
1932
1974
63
63
0
1974
1932
42
21
42
21
42
42
0
42
42
0
63

w2c_f4299
# Func Hash:
12572096263751449082
# Num Counters:
51
# Counter Values:
21
0
0
0
0
21
0
0
21
0
21
21
21
0
0
21
21
0
21
21
0
0
0
0
0
42
0
0
42
42
42
42
21
0
0
0
0
0
0
0
0
0
0
21
21
21
21
21
0
0
21

w2c_f4303
# Func Hash:
1252464103564357671
# Num Counters:
75
# Counter Values:
21
0
0
0
0
0
0
21
0
0
0
21
0
0
4809
4788
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
0
0
0
21

w2c_f4304
# Func Hash:
6361824548006059989
# Num Counters:
100
# Counter Values:
21
0
0
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
21
0
0
21
0
0
21
21
1197
63
63
63
105
1176
21
0
42
0
21
21
21
0
21
21
4830
4809
0
21
5376
2247
0
0
2247
5376
5355
21

w2c_f4305
# Func Hash:
16796962846888469656
# Num Counters:
7
# Counter Values:
49
0
49
49
49
0
49

w2c_f4306
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4307
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
12128
0

w2c_f4330
# Func Hash:
11257173778079793529
# Num Counters:
6
# Counter Values:
535
0
0
0
0
535

w2c_f4332
# Func Hash:
11711635471513504897
# Num Counters:
27
# Counter Values:
41910
0
0
0
999
999
633
999
0
0
0
428
287
0
38857
13983
38857
38573
999
999
41910
41910
41910
41910
0
41910
41910

w2c_f4333
# Func Hash:
188105652043334721
# Num Counters:
4
# Counter Values:
535
0
214
535

w2c_f4334
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
128
0

w2c_f4335
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
128
0

w2c_f4336
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
76259
0

w2c_f4337
# Func Hash:
1318513560055991191
# Num Counters:
58
# Counter Values:
183595
0
0
278630
0
0
0
0
0
0
0
0
0
0
0
23754
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
68658
0
0
0
0
2782
183436
2782
118589
0
2782
0
0
0
115807
115807
0
0
95194
95035
183595

w2c_f4338
# Func Hash:
16498859925622181413
# Num Counters:
211
# Counter Values:
80087
0
0
0
535
0
0
0
0
1334
0
9763
1528
2825
571
406
1288
752
1405
816
455
517
0
0
0
0
0
0
0
56
309
259
38
156
1118
46
40
157
20
26
49
150
8090
252
262
28
6955
546
52
249
27
143
29
23
13
314
0
314
38171
628
38171
35873
535
0
0
0
0
0
0
0
9763
76626
0
348682
0
0
0
0
0
0
0
0
0
0
0
23133
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
49938
0
0
0
0
0
0
0
0
0
0
214
0
1334
506
214
4846
6194
2490
1656
2708
2126
3019
1728
1485
1907
0
0
0
0
0
0
0
422
1156
774
12125
423
2361
184
381
726
94
126
241
978
9086
372
3948
124
7201
1308
1020
583
423
586
203
167
87
0
0
442
0
0
0
7657
1465
6325
21695
21969
7147
2472
2332
9538
117
1515
7628
2518
12959
8922
21107
471
8910
4737
17671
22446
996
1012
2521
4579
292
642
0
0
0
274313
272056
76626
77254
80087
2257
0
80087
0

w2c_f4339
# Func Hash:
16465983596761376889
# Num Counters:
60
# Counter Values:
2512
0
0
523284
0
0
0
0
0
0
0
0
0
1124
1414
14612
9188
13913
9438
5501
4054
3281
2688
400
2434
1397
0
0
0
453840
453840
0
11010
0
11010
431820
11010
11010
8498
0
0
0
0
0
0
0
0
0
0
0
0
0
0
11010
520772
0
520772
0
0
2512

w2c_f4340
# Func Hash:
8334902487744249374
# Num Counters:
113
# Counter Values:
1070
0
0
32656
0
1070
1070
30516
30516
856
856
856
856
0
0
0
0
0
0
0
0
0
856
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
856
856
856
856
856
856
856
856
856
856
856
856
1070
1070
1070
1070
0
31586
31586
0
1070

w2c_f4342
# Func Hash:
2355182884945165846
# Num Counters:
8
# Counter Values:
14133
0
0
0
14133
0
14133
14133

w2c_f4343
# Func Hash:
576740992080893899
# Num Counters:
71
# Counter Values:
17712
0
0
0
0
0
0
418
17294
418
0
0
0
0
0
418
17712
0
0
53050
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
14989
38061
38061
0
359
0
37702
37702
37702
0
37702
37702
35338
17712
0
17712
418
17712

w2c_f4345
# Func Hash:
17324233498611183765
# Num Counters:
133
# Counter Values:
1282
0
1282
1282
0
0
0
252
1030
252
0
0
0
0
0
252
1282
1282
1282
0
67
1215
0
0
1282
1282
1282
1282
1282
67
856
0
1462
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
214
1248
1248
0
0
0
0
80
211
291
1248
1103
1282
212
1070
0
0
0
0
0
0
0
0
0
1282
495
0
0
787
0
0
0
0
0
0
0
0
0
0
0
0
0
787
787
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
787
359
359
787
252
1282

w2c_f4349
# Func Hash:
1470790271293723785
# Num Counters:
25
# Counter Values:
107
0
107
107
0
0
0
0
107
107
749
0
749
749
642
642
0
642
642
0
642
642
642
642
107

w2c_f4350
# Func Hash:
3017636412205072704
# Num Counters:
34
# Counter Values:
6156
0
159
214
603
4645
0
214
214
603
0
2097
0
0
0
0
603
1494
603
0
0
1494
1494
0
4645
107
4645
0
749
5997
5997
5997
5997
6156

w2c_f4352
# Func Hash:
18064792407271746076
# Num Counters:
135
# Counter Values:
3472
0
3472
3472
3365
0
3365
0
0
0
0
0
0
3472
3472
0
214
2297
107
105
535
107
107
0
0
214
0
177
0
0
0
177
0
0
0
0
0
177
177
107
105
2297
0
2297
0
0
2297
2723
0
428
1918
0
377
0
428
1918
377
642
0
0
535
0
107
0
107
535
642
642
642
0
107
0
107
107
107
107
107
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3472
0
3472

w2c_f4353
# Func Hash:
9077408442379472
# Num Counters:
33
# Counter Values:
710
0
0
0
0
710
0
0
0
710
710
710
2
1867
159
0
1708
1159
710
710
710
0
389
0
321
710
2
1708
0
1000
710
710
710

w2c_f4364
# Func Hash:
14490648131249236354
# Num Counters:
8
# Counter Values:
6678
0
6678
6678
107
6571
6678
6678

w2c_f4365
# Func Hash:
15945986569616607841
# Num Counters:
12
# Counter Values:
6678
0
107
6678
107
0
0
6571
6571
6571
6571
6678

w2c_f4366
# Func Hash:
3732021830153250289
# Num Counters:
111
# Counter Values:
3913
0
0
11759
0
0
0
0
0
0
0
0
0
0
0
0
10
3913
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
7836
3913
10
0
0
0
0
0
0
0
10
0
7836
29
7807
0
4162
4162
0
4
4
4162
7807
0
0
3913
0
3923
3923
3923
0
3913
0
0
0
0
0
0
0
0
10
0
0
0
0
10
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3913
3913
29
0
29
0
29
0
7836
0
7846
7846
3913
3913

w2c_f4367
# Func Hash:
15756603551274368853
# Num Counters:
175
# Counter Values:
7519
0
948
6571
7519
927
6592
6592
6571
6592
7519
7519
0
0
0
0
0
0
0
0
0
0
7519
6571
7519
3535
0
0
3984
0
7519
3535
0
0
0
0
0
7519
927
7519
6571
948
7519
927
7519
6592
0
0
6592
6592
0
6592
6592
0
0
0
0
6592
6592
6592
6592
0
0
0
0
0
0
0
0
6592
6592
0
4418
2174
6592
0
6592
6592
0
0
0
0
0
0
0
0
0
0
0
0
0
6592
20
6572
0
6572
6
17690
0
1674
17690
11124
6592
40
6552
0
0
6552
0
6592
20
30814
17690
13124
0
0
0
0
0
0
13124
13124
0
0
17690
17690
0
0
0
0
0
0
30814
24242
6592
20
82
82
6592
0
6592
6592
6592
6592
20
30814
13124
24242
7519
0
0
7519
0
0
7519
0
4783
4783
4729
0
7465
7465
7519
54
0
0
0
7519
54
7465
7465
7519
0
6571
7519

w2c_f4368
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
6592
0
0
6592

w2c_f4369
# Func Hash:
3069398049552500374
# Num Counters:
15
# Counter Values:
51966
0
48592
3374
0
51966
51860
0
51966
0
51966
0
0
0
51966

w2c_f4370
# Func Hash:
9110294536359447026
# Num Counters:
18
# Counter Values:
10546
0
0
10201
10201
2736
3081
3081
10546
7465
0
0
0
10546
7465
3081
3081
10546

w2c_f4371
# Func Hash:
17701545274596031014
# Num Counters:
18
# Counter Values:
96232
0
89060
7172
0
96232
95785
447
0
96232
0
96232
0
96232
0
96232
96232
96232

w2c_f4372
# Func Hash:
2179144714652630944
# Num Counters:
32
# Counter Values:
13184
0
0
13184
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
13184

w2c_f4373
# Func Hash:
506214871053129431
# Num Counters:
1239
# Counter Values:
7519
0
0
0
0
7519
0
7519
0
7519
7519
0
7519
7519
7519
17725
2171857
2171857
0
2171857
0
74072
93034
13142
14090
1977519
88162
0
2171857
51399
1060229
73796
6571
35182
725039
46517
6571
1953905
1543112
0
1690704
1953905
2005304
2005304
2005304
2005304
2005304
0
0
43824
0
27893
375
8173
17078
17522
39093
9230
74135
74072
93034
13142
14090
0
0
0
196
276
0
33434
551
121
0
0
355
712
0
0
23835
22990
1491173
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
44020
43122
0
43122
44020
44020
28014
27242
0
27242
28014
0
375
375
0
0
0
0
0
0
0
0
375
0
375
0
0
375
0
0
375
0
375
0
375
0
8173
0
8347
8347
0
0
8347
0
0
8347
0
8347
0
8347
8347
0
0
8347
0
0
8347
0
8347
0
8347
174
8173
34600
0
854
36889
36889
0
0
36889
0
0
36889
0
36889
0
36889
18193
18193
2289
34600
39093
0
39093
39093
0
0
39093
0
0
39093
0
39093
0
39093
39093
0
0
39093
0
0
39093
0
39093
0
39093
39093
0
0
39093
0
0
39093
0
39093
0
39093
39093
0
0
39093
0
0
39093
0
39093
0
39093
39093
0
0
39093
0
0
39093
0
39093
0
39093
39093
0
0
39093
0
0
39093
0
39093
0
39093
0
39093
39093
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
39093
9230
0
0
0
9230
9230
74135
0
74135
74135
74135
0
0
74135
74135
0
0
74135
74135
339
73796
0
0
74135
74135
0
74135
0
339
0
73796
73796
0
0
339
74135
74072
0
74072
74072
93034
93034
0
0
93034
0
0
0
0
0
64
0
0
0
66640
19012
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
6804
0
0
0
0
514
0
0
0
0
13142
0
13142
0
0
13142
0
0
13142
0
13142
0
13142
13142
0
0
13142
0
0
13110
32
13110
0
13142
0
6571
6571
14090
948
6571
6571
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
6571
7519
50
7469
0
50
0
50
7519
7519
7519
7519
7519
948
948
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
276
201
0
276
276
276
0
276
0
0
276
0
276
0
0
0
0
276
276
0
0
0
0
0
0
0
0
0
0
0
0
0
33434
33434
0
0
0
0
0
0
0
0
33434
0
33434
0
0
33434
0
0
33434
0
0
0
33434
33434
33434
0
0
0
33434
0
0
33418
16
33418
0
33434
23814
551
551
0
0
0
0
0
0
0
0
551
0
551
0
0
551
0
0
551
0
551
0
551
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
355
0
355
355
355
355
0
0
355
0
0
355
0
355
0
355
355
355
0
0
355
0
0
355
0
355
0
355
355
0
0
355
0
0
355
0
355
0
355
355
0
0
355
0
0
355
0
355
0
355
355
0
0
355
0
0
355
0
355
0
355
0
355
712
0
712
712
712
712
0
0
712
0
0
712
0
712
0
712
712
712
0
0
712
0
0
712
0
712
0
712
712
0
0
712
0
0
712
0
712
0
712
712
0
0
712
0
0
712
0
712
0
712
712
0
0
712
0
0
712
0
712
0
712
0
712
46825
0
49268
24794
24474
0
0
24474
0
0
24474
0
24474
0
24474
24474
0
0
24474
0
0
24474
0
24474
0
24474
24474
0
0
24474
0
0
24474
0
24474
0
24474
24474
0
0
24474
0
0
24474
0
24474
0
24474
932
932
932
0
0
932
0
0
932
0
932
0
0
24794
24794
0
0
24794
0
0
24794
0
24794
0
24794
24794
0
0
24794
0
0
24794
0
24794
0
24794
24794
0
0
24794
0
0
24794
0
24794
0
24794
24794
0
0
24794
0
0
24794
0
24794
0
24794
272
272
272
0
0
272
0
0
272
0
272
0
272
49268
2443
46825
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1491173
209915
1281258
0
0
1281258
209915
62012
0
0
0
0
147903
147903
0
0
147903
62012
184
0
0
0
0
61828
184
0
0
0
0
0
0
184
0
0
0
0
0
0
184
0
0
0
0
0
0
184
0
0
0
0
184
0
0
184
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
93034
0
0
19012
0
74022
93034
0
406
108
0
0
0
0
0
0
0
0
0
64
0
0
0
66640
19012
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
6804
0
514
0
514
0
0
514
514
514
0
0
514
514
406
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
64
0
64
64
64
0
0
0
0
66640
0
0
0
6804
6804
47628
5404
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
6804
0
3402
0
0
6804
6804
0
3402
0
47628
0
23814
23814
23814
3402
20412
20412
10206
0
3402
3402
3402
3402
6804
6804
5404
0
2702
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
19012
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
6804
0
3402
0
6804
3402
27867
0
0
142931
0
7519
0
7519
7519
0
7519

w2c_f4382
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
948
0
0
948

w2c_f4389
# Func Hash:
12248151290152640973
# Num Counters:
11
# Counter Values:
948
0
0
0
948
0
948
0
948
0
948

w2c_f4390
# Func Hash:
11316169695504037113
# Num Counters:
19
# Counter Values:
948
0
0
0
0
0
0
0
0
0
0
0
0
948
0
948
0
948
948

w2c_f4396
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
107
0

w2c_f4397
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
107
0

w2c_f4398
# Func Hash:
6028852197069958412
# Num Counters:
5
# Counter Values:
26944
0
0
15333
26944

w2c_f4400
# Func Hash:
6248212244684966973
# Num Counters:
11
# Counter Values:
107
0
107
107
0
0
107
107
107
107
107

w2c_f4401
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
3913
0

w2c_f4402
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
107
0

w2c_f4405
# Func Hash:
15367341716447137088
# Num Counters:
12
# Counter Values:
6906
0
6906
0
0
0
0
952322
945416
6906
2350
6906

w2c_f4406
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
42
0

w2c_f4407
# Func Hash:
13089965834971924045
# Num Counters:
5
# Counter Values:
7519
0
948
948
7519

w2c_f4408
# Func Hash:
9479331641369822489
# Num Counters:
64
# Counter Values:
6571
0
20
6
11201
4656
6551
4754
3594
1797
6571
40
6531
0
0
6531
0
13062
6531
6571
6571
0
0
0
0
0
0
0
6571
6571
0
0
0
0
0
0
0
6571
224
6347
0
0
6347
0
10903
4556
6571
1110
5461
0
0
5461
0
9131
3670
6571
6571
0
0
0
6571
0
0
6571

w2c_f4409
# Func Hash:
16311894790917148326
# Num Counters:
20
# Counter Values:
10546
0
0
10546
10546
0
10412
0
10546
3081
3081
3081
10546
10418
0
10546
0
10546
10546
10546

w2c_f4410
# Func Hash:
1911093061686617431
# Num Counters:
4
# Counter Values:
23814
0
23783
23814

w2c_f4412
# Func Hash:
2303197094126876378
# Num Counters:
45
# Counter Values:
72824
0
70878
1655
0
291
0
0
291
0
0
291
0
291
0
291
72824
0
201
75448
75448
0
0
75448
0
0
74420
1028
74420
0
75448
75448
0
0
75448
0
0
75448
0
75448
0
75448
2825
72824
72824

w2c_f4413
# Func Hash:
14557340799749586147
# Num Counters:
10
# Counter Values:
17117
0
16699
0
418
17117
7469
2940
14177
17117

w2c_f4414
# Func Hash:
738251271861662050
# Num Counters:
24
# Counter Values:
55782
0
385
385
55782
30671
21295
3816
51966
48592
3374
3374
0
0
3374
3374
3374
3374
51966
3374
51966
51593
51966
55782

w2c_f4415
# Func Hash:
3954401074817596439
# Num Counters:
16
# Counter Values:
96232
0
89060
7172
7172
0
0
7172
7172
7172
7172
96232
7172
96232
94968
96232

w2c_f4416
# Func Hash:
7538682457293986041
# Num Counters:
73
# Counter Values:
148198
0
51966
51966
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
148198
0
51966
0
96232
0
51966
6730
30671
0
51966
0
0
51966
51966
51966
51966
96232
0
0
96232
96232
96232
96232
148198
148198
0
10546
0
148198
0
0
0
0
0
0
0
148198
148198
148198

w2c_f4418
# Func Hash:
11562674364058791033
# Num Counters:
14
# Counter Values:
2620
0
2620
0
0
2620
0
0
2620
0
2620
0
0
2620

w2c_f4419
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
7519
0
6621
0
898
7519

w2c_f4420
# Func Hash:
704886778025149328
# Num Counters:
12
# Counter Values:
133280
0
133280
0
0
133280
133280
0
0
133280
133280
133280

w2c_f4421
# Func Hash:
3769997724054332882
# Num Counters:
14
# Counter Values:
6932
0
6932
0
0
6932
0
0
128
6804
128
0
6804
6932

w2c_f4423
# Func Hash:
2235187957381551233
# Num Counters:
180
# Counter Values:
23283
0
7469
8345
23283
276
23007
0
0
23007
8
25087
2088
22999
22999
0
23283
0
23283
23283
8
70099
106
69993
0
0
69993
69151
69151
68639
68639
0
69481
69059
69571
69993
0
0
0
0
69993
69481
69481
68639
68639
0
69151
68781
69623
69993
440
48
190292
99768
628
5327
58894
0
0
0
0
99768
116
47073
27114
0
0
0
0
25465
360
139152
120787
25675
772
50368
51580
70099
934
46824
7465
46184
34129
12055
0
0
12055
12055
12055
11988
11988
0
11988
11988
12055
12055
0
0
0
0
12055
11988
11988
11988
11988
0
12055
12055
12055
12055
46184
467
30374
8
4
7469
661
138
6604
865
23283
4
55721
53591
45107
10385
10558
5185
5449
2715
742
9872
1524
7591
9115
4108
742
32
0
742
642
100
88
100
10614
67
55721
23279
0
55721
2130
0
53591
55721
32442
23283
23271
12
12
0
0
12
12
0
12
0
23283
7469
4
81085
0
81085
0
0
81085
40447
81085
65275
23283
23283

w2c_f4424
# Func Hash:
14580569021439852958
# Num Counters:
8
# Counter Values:
62012
0
62012
0
0
62012
62012
62012

w2c_f4425
# Func Hash:
14580569021439852958
# Num Counters:
8
# Counter Values:
13672
0
13672
0
0
13672
13672
13672

w2c_f4430
# Func Hash:
3251204252208861816
# Num Counters:
16
# Counter Values:
75460
0
14620
14620
0
0
0
14620
0
0
0
0
0
0
75460
75460

w2c_f4431
# Func Hash:
15424001686911514326
# Num Counters:
28
# Counter Values:
244430
0
244430
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
244430

w2c_f4432
# Func Hash:
11202665330765679441
# Num Counters:
21
# Counter Values:
510128
0
0
0
510128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
510128

w2c_f4433
# Func Hash:
11293892394289984206
# Num Counters:
53
# Counter Values:
64500
0
64055
64055
1707
0
64500
41221
41221
106218
14726
64997
14726
7537
144
1070
6119
6
55887
14848
30317
67
0
0
0
0
0
0
0
0
67
10722
55887
23671
166
55721
49716
138
5867
138
0
55721
0
49716
7
7
6005
7
6362
364
55721
2130
64500

w2c_f4436
# Func Hash:
8266779786339426319
# Num Counters:
63
# Counter Values:
128
0
128
0
128
0
52
135
130
59
128
128
0
128
0
26
187
187
85
128
128
128
128
0
0
0
0
128
512
0
128
128
128
128
128
128
128
512
262
560
310
512
384
4
309
309
0
0
0
0
309
185
128
2
251
251
0
0
0
0
251
125
128

w2c_f4440
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f4447
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
128
0
0
128

w2c_f4448
# Func Hash:
6681563828016443474
# Num Counters:
78
# Counter Values:
128
0
0
26
102
102
187
85
102
102
0
0
102
128
52
76
76
135
59
76
76
0
0
76
128
2
124
124
199
141
6
75
126
86
2
128
3
0
0
0
0
0
0
125
0
0
128
128
0
0
0
0
0
0
0
0
0
128
128
0
0
0
0
0
0
0
0
0
128
8
0
0
0
0
8
0
128
128

w2c_f4455
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4456
# Func Hash:
14875566117597415962
# Num Counters:
10
# Counter Values:
68
0
68
0
0
68
68
0
0
68

w2c_f4457
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
384
0

w2c_f4458
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
107
0

w2c_f4459
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
21
0

w2c_f4460
# Func Hash:
2493011261715222015
# Num Counters:
94
# Counter Values:
256
0
128
128
130
438
312
312
312
312
250
263
0
260
3
0
3
0
260
75
0
435
126
126
438
312
256
131
125
0
125
125
0
0
0
0
0
0
0
125
125
125
0
256
132
433
0
124
124
185
124
185
0
0
309
256
130
377
0
126
126
125
126
125
0
0
251
256
132
113
113
185
0
0
0
0
0
0
72
124
256
130
125
125
125
0
0
0
0
0
0
0
126
256

w2c_f4464
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
12128
0

w2c_f4465
# Func Hash:
11295228881793766773
# Num Counters:
72
# Counter Values:
8743
0
8547
163
32
1
1
1
0
0
0
0
0
0
0
0
0
0
0
196
196
196
196
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
8743
47691
8615
128
8743
128
42307
8615
15149
15149
33692
8615
3653
30119
11976
18130
11976
6
6322
65536
11948
53566
30078
25157
8574
0
3
8615
0
8743
8743

w2c_f4466
# Func Hash:
13114514137929769566
# Num Counters:
145
# Counter Values:
128
0
0
0
8743
0
0
8743
8743
8743
8743
0
0
8741
8741
8738
8738
8717
8717
8661
8661
8639
8639
166
166
50
50
8639
8615
8615
8590
8590
8569
8569
8569
8569
8569
174
0
8743
172
691
0
0
21
21
21
21
21
21
22
24
21
21
21
21
0
7624
7624
0
0
0
7624
691
0
0
0
0
0
0
0
0
0
2
2
2
1
1
2
2
3
0
0
4
0
672
672
0
0
0
5
0
0
667
667
0
0
0
0
7624
7624
0
0
0
0
0
0
8571
8743
8743
0
0
0
0
0
0
8743
8615
126
128
125
128
107
128
72
128
106
128
104
128
103
128
107
128
128
128
128
128
124
0
124
124
124
128
128

w2c_f4467
# Func Hash:
1281452998538144126
# Num Counters:
11
# Counter Values:
97689
0
97689
0
0
0
97689
50475
50475
50475
97689

w2c_f4471
# Func Hash:
12854024903318683130
# Num Counters:
4
# Counter Values:
594550
0
0
594550

w2c_f4472
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
49
0
0
49

w2c_f4473
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f4477
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4478
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
49
0
0
0
49
49
49
49

w2c_f4479
# Func Hash:
7939435946716818077
# Num Counters:
28
# Counter Values:
3984
0
3984
3984
3984
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3984

w2c_f4480
# Func Hash:
17831158204191897320
# Num Counters:
7
# Counter Values:
3984
0
0
0
3984
0
3984

w2c_f4500
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
24256
0

w2c_f4562
# Func Hash:
8808919464576316044
# Num Counters:
50
# Counter Values:
149
0
0
149
149
149
0
0
149
0
0
149
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
149

w2c_f4566
# Func Hash:
6184978156628813452
# Num Counters:
45
# Counter Values:
149
0
0
0
0
0
0
149
149
149
149
149
149
0
0
0
0
0
0
149
149
0
0
0
0
0
0
0
0
0
0
0
0
149
149
149
0
0
0
149
149
149
149
149
149

w2c_f4575
# Func Hash:
7228198228121730100
# Num Counters:
14
# Counter Values:
149
0
149
0
0
0
0
149
149
0
0
0
0
149

w2c_f4582
# Func Hash:
10644833306603500167
# Num Counters:
6
# Counter Values:
149
0
149
149
149
149

w2c_f4600
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
49
0
0
49

w2c_f4601
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f4603
# Func Hash:
18142787653254911220
# Num Counters:
30
# Counter Values:
3952
0
3952
3952
0
0
3952
3952
3952
3952
0
0
0
3952
0
0
3952
3952
3952
3952
3952
3952
3952
0
0
3952
3952
3952
0
3952

w2c_f4604
# Func Hash:
10299135544028810664
# Num Counters:
134
# Counter Values:
3952
0
3952
0
3952
3952
3952
3952
0
3952
0
48742
44790
3952
0
0
3952
0
0
0
3952
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3952
0
48742
310
426536
75485
287412
63549
0
60
0
0
10718
14998
10407
5324
3669
3881
4705
9937
10718
4705
8586
12255
17579
27986
42984
9937
426536
1870
0
424510
0
0
426536
378104
48432
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
48742
44790
3952
0
0
0
3952
0
0
3952

w2c_f4605
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4606
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
49
0
0
0
49
49
49
49

w2c_f4607
# Func Hash:
14609866982544858369
# Num Counters:
61
# Counter Values:
3984
0
3984
3984
0
0
3984
3984
3984
0
3984
3952
3952
0
0
0
0
0
0
0
3952
3952
638
3952
3952
0
0
0
0
0
0
0
0
3952
0
3952
0
0
3952
0
3952
3952
0
3952
3952
0
3952
0
0
3952
3952
3952
3952
3984
3984
0
0
0
3984
670
3984

w2c_f4609
# Func Hash:
1564035789219581935
# Num Counters:
27
# Counter Values:
3952
0
3952
3952
0
179583
175631
0
0
3952
3952
3952
3952
179583
0
0
0
0
175631
0
0
0
0
0
0
0
3952

w2c_f4614
# Func Hash:
8428330149250133171
# Num Counters:
16
# Counter Values:
5588
0
0
0
5588
0
5588
5588
4228
5021
156
3661
5432
5432
5432
5588

w2c_f4615
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
27711
0

w2c_f4616
# Func Hash:
102677661169752540
# Num Counters:
104
# Counter Values:
227158
0
227025
14
227144
227144
0
227144
89043
107204
196247
184611
0
0
11636
0
11636
11636
4189
41865
1513
34418
10123
10123
10123
11636
184611
175697
4555
19450
0
0
19450
0
19450
19450
15655
16752
448
12957
19002
19002
19002
19450
15091
175697
20696
0
0
0
0
175697
95568
0
0
0
0
175697
407233
203921
54784
258705
52978
153588
206566
53019
13
53032
407233
0
82
407151
82
407151
407151
146430
1533749
34365
1273028
372786
372786
372786
407233
207382
24154
4555
20343
0
37
20306
37
20306
20306
7186
38160
1113
25040
19193
19193
19193
20343
15788
215508
227158

w2c_f4618
# Func Hash:
10894847031512164159
# Num Counters:
25
# Counter Values:
50624
0
50544
49
50575
49
42
0
50624
50624
0
0
0
0
50624
348270
216817
216817
5281
11634
455
50624
148823
297646
50624

w2c_f4620
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f4621
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4622
# Func Hash:
10133311504349731038
# Num Counters:
14
# Counter Values:
12128
0
0
0
0
0
0
0
0
12128
12128
12128
12128
12128

w2c_f4623
# Func Hash:
12336771231192923984
# Num Counters:
52
# Counter Values:
128
0
128
128
0
0
0
128
128
128
128
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
128
128

w2c_f4636
# Func Hash:
3525659328236994328
# Num Counters:
20
# Counter Values:
128
0
0
128
0
0
0
0
0
0
128
0
0
0
128
128
128
128
128
128

w2c_f4689
# Func Hash:
16796962846888469656
# Num Counters:
7
# Counter Values:
49
0
49
49
49
0
49

w2c_f4690
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f4691
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
12342
0

w2c_f4692
# Func Hash:
17613381171350199052
# Num Counters:
522
# Counter Values:
128
0
128
128
0
0
128
128
128
128
107
0
21
107
0
0
107
0
0
0
0
107
0
0
107
0
0
0
0
0
107
21
21
21
21
107
0
107
0
0
0
0
0
0
0
107
107
107
24566
0
24245
214
0
0
107
24459
0
0
24459
24459
24459
24459
0
0
0
24459
24459
24459
24459
24459
107
0
0
107
107
107
107
107
107
107
0
214
0
0
107
107
107
107
107
0
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
0
107
107
107
107
107
0
107
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
107
0
107
0
107
107
0
0
27392
0
0
144606
117214
23586
0
0
117214
117214
27392
27285
107
107
107
107
107
128
21
0
0
107
107
107
107
128
21
0
0
107
107
107
107
128
21
0
0
107
107
107
107
128
21
0
0
107
107
107
107
128
21
0
0
107
107
107
107
128
107
128
0
0
128
128
128
128
0
21
107
107
87
107
107
107
0
0
107
107
214
107
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
107
107
107
107
107
0
0
107
107
107
0
17
90
17
107
0
107
0
15
0
0
107
107
107
107
0
0
0
107
0
0
0
0
0
0
107
0
3806
0
3806
0
0
0
0
0
0
3806
251
3699
107
0
0
107
107
107
107
107
107
107
103
4
0
107
0
107
0
0
0
0
0
0
107
0
107
0
128

w2c_f4693
# Func Hash:
10931602941510797198
# Num Counters:
12
# Counter Values:
149
0
0
0
149
0
0
149
0
149
0
149

w2c_f4694
# Func Hash:
16677678298483939513
# Num Counters:
589
# Counter Values:
214
0
0
0
214
214
214
214
0
17032
0
728
3170
1470
11664
1470
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
214
0
0
0
0
0
0
0
0
107
0
0
0
0
0
728
107
0
0
0
0
0
100
0
0
0
728
107
0
0
0
0
0
0
0
0
0
0
0
0
100
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
207
0
0
0
0
0
0
0
0
214
0
0
0
0
0
0
0
100
0
0
0
0
0
0
0
0
0
0
207
100
11664
107
14727
14284
0
0
443
443
443
443
0
14284
0
14284
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
14284
0
14284
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
14284
0
9911
0
0
4373
4373
4373
4373
0
0
0
0
122569
109527
9926
107
3009
0
3009
0
0
0
3009
2474
0
0
535
535
535
535
2474
0
0
959
1087
107
0
0
0
321
959
959
959
1087
1087
1087
107
107
107
0
0
321
0
321
2474
119453
118196
207
107
0
0
0
2474
1764
0
0
710
710
710
710
1764
0
0
1764
1764
1764
1764
3009
3009
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
107
107
11895
0
0
11895
11895
11895
11895
0
14904
16818
0
0
16818
16818
16818
16818
16818
214
214

w2c_f4695
# Func Hash:
15754348197119115609
# Num Counters:
21
# Counter Values:
128
0
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
128

w2c_f4697
# Func Hash:
3431930487549130077
# Num Counters:
66
# Counter Values:
10484
0
0
0
0
0
0
0
0
0
0
10484
6571
0
0
3913
3913
3913
3913
6571
0
0
6571
6571
6571
6571
0
0
6571
6571
6571
6571
0
0
6571
6571
6571
6571
6571
0
0
0
0
0
0
10484
10484
0
0
0
0
0
0
0
0
0
10484
10484
0
0
0
0
0
0
0
10484

w2c_f4698
# Func Hash:
7548346996128808183
# Num Counters:
8
# Counter Values:
128
0
0
128
128
128
128
128

w2c_f4699
# Func Hash:
12921256011663247183
# Num Counters:
20
# Counter Values:
107
0
0
0
0
0
0
107
107
107
107
0
0
0
107
107
107
107
0
107

w2c_f470
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
580
0

w2c_f4700
# Func Hash:
17153888447635867095
# Num Counters:
21
# Counter Values:
107
0
0
0
0
0
0
0
107
107
107
107
0
0
0
107
107
107
107
107
107

w2c_f4701
# Func Hash:
5030983877322745195
# Num Counters:
11
# Counter Values:
107
0
0
0
0
0
107
107
107
107
107

w2c_f4702
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
107
0
0
107

w2c_f4703
# Func Hash:
13542155895959941405
# Num Counters:
67
# Counter Values:
6571
0
6571
0
6571
0
0
0
6571
0
0
6571
6571
6571
6571
0
0
0
0
6571
6571
6571
6571
6571
6571
0
6571
6571
6571
6571
6571
0
0
0
6571
0
6571
6571
6571
3455
3116
3455
3455
0
3455
0
166964
163509
3455
6571
6571
6571
6571
0
0
0
0
0
0
0
0
0
0
0
0
0
6571

w2c_f4709
# Func Hash:
9754834718537111223
# Num Counters:
21
# Counter Values:
107
0
0
0
0
0
0
107
107
107
107
107
0
0
0
0
107
107
107
107
107

w2c_f4711
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
3781
0

w2c_f4712
# Func Hash:
15154401789715564365
# Num Counters:
8
# Counter Values:
448
0
0
5996
25
5548
423
448

w2c_f472
# Func Hash:
12222419551895387124
# Num Counters:
36
# Counter Values:
242334
0
0
177271
0
65063
177271
0
0
0
100229
77042
100229
77042
177271
0
415807
415807
415807
415807
415807
0
415807
415807
415807
238536
177271
177271
177271
100229
100229
100229
0
0
0
242334

w2c_f473
# Func Hash:
11211970264
# Num Counters:
2
# Counter Values:
125
0

w2c_f4731
# Func Hash:
18223231589774391161
# Num Counters:
18
# Counter Values:
107
0
0
0
107
107
107
107
107
107
107
107
107
0
107
107
107
107

w2c_f4732
# Func Hash:
7473505828777917123
# Num Counters:
309
# Counter Values:
107
0
0
0
107
107
107
107
107
107
0
0
107
107
107
0
0
107
107
107
107
107
0
0
107
107
107
107
0
0
107
0
0
0
0
0
0
0
107
0
0
0
0
107
107
107
107
0
0
0
6848
0
0
6848
6848
6848
6848
0
0
6848
6848
6848
6848
0
0
6848
6848
6848
6848
0
0
6848
6848
6848
6848
6741
107
107
0
0
0
0
0
0
0
0
107
0
0
107
107
107
107
0
12274
0
0
0
0
0
107
0
0
3913
8254
3913
0
3806
0
0
0
0
0
0
0
0
0
0
0
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
12167
0
8040
4127
4127
4127
0
0
4127
4127
4127
4127
0
0
4127
4127
4127
4127
4127
8040
0
0
8040
8040
8040
8040
0
4127
0
321
0
0
0
3806
3806
3806
3806
0
0
0
0
0
3806
3806
3806
3806
0
3806
321
321
12167
0
0
12167
12167
12167
12167
12167
107
0
0
0
0
0
0
0
0
0
0
0
107

w2c_f4733
# Func Hash:
635956191814510408
# Num Counters:
170
# Counter Values:
107
0
0
0
107
107
107
107
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107
0
0
107
107
107
107
107
107
0
107
0
0
0
0
107
0
0
107
107
107
107
0
0
0
107
107
107
107
0
0
0
107
107
107
107
0
107
0
2993
107
0
0
0
0
2886
2886
2886
2886
0
0
2886
2886
2886
2886
0
0
2886
2886
2886
2886
0
0
0
0
2886
2886
2886
2886
0
0
2886
2886
2886
2886
0
2886
0
0
2886
0
0
0
2886
2886
2886
2886
0
0
0
2886
2886
2886
2886
0
2886
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2886
2886
2886
0
0
2886
2886
0
0
0
2886
2886
2886
2886
0
0
2886
2886
2886
2886
0
0
0
0
0
0
0
2886
0
2886
2886
107
0
0
107

w2c_f4734
# Func Hash:
3953935534386634014
# Num Counters:
377
# Counter Values:
107
0
0
0
107
107
107
107
107
107
107
0
0
0
0
0
107
107
107
107
0
0
0
107
107
107
107
0
0
0
107
107
107
107
0
107
0
0
107
107
107
107
107
107
8254
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
279
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3806
2
1616
581
100
26
6
15
20
71
128
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
96
0
47
33
204
3
38
0
134
0
0
52
87
35
226
54
0
248
25
134
90
65
0
33
0
0
0
0
0
0
4085
0
107
107
3871
107
107
0
0
107
0
107
8147
0
0
8147
8147
8147
8147
8147
8147
0
4234
0
0
0
3913
3913
3913
3913
0
0
0
0
3913
3913
3913
3913
0
0
3913
3913
3913
3913
0
3913
0
0
3913
0
0
0
0
3913
3913
3913
3913
0
3806
0
0
3913
0
0
0
0
0
0
3913
3913
3913
3913
0
0
3913
3913
3913
3913
0
0
0
0
0
0
0
3913
0
8147
0
0
8147
8147
8147
8147
8147
107
107
0
0
107
0
107
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
107

w2c_f4735
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
107
0

w2c_f474
# Func Hash:
13845808541197202747
# Num Counters:
21
# Counter Values:
10199
0
0
4676
363
5160
0
5039
0
5160
5160
5160
0
0
0
5160
5160
5160
0
0
10199

w2c_f475
# Func Hash:
3035355439920293740
# Num Counters:
12
# Counter Values:
230102
0
0
71882
99880
58340
0
71882
99880
0
58340
230102

w2c_f476
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
531
0

w2c_f4779
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
22
0

w2c_f478
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
135860
0

w2c_f4780
# Func Hash:
9825081770523809149
# Num Counters:
14
# Counter Values:
22
0
0
0
22
22
22
22
22
0
0
0
0
22

w2c_f4781
# Func Hash:
4867799649716218558
# Num Counters:
46
# Counter Values:
230
0
0
438
0
0
0
0
438
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
438
208
230
0
0
0
0
230
208
208
0
230

w2c_f4782
# Func Hash:
13004974937746285336
# Num Counters:
6
# Counter Values:
234
0
0
234
0
234

w2c_f4783
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
234
0

w2c_f4784
# Func Hash:
1532489112952309633
# Num Counters:
6
# Counter Values:
234
0
0
234
234
234

w2c_f4785
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
234
0

w2c_f4786
# Func Hash:
2040501427780548359
# Num Counters:
7
# Counter Values:
14
0
0
0
14
14
14

w2c_f4787
# Func Hash:
13004974937746285336
# Num Counters:
6
# Counter Values:
234
0
0
234
0
234

w2c_f4788
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
234
0

w2c_f4790
# Func Hash:
17742975594416710697
# Num Counters:
8
# Counter Values:
234
0
0
0
234
234
234
234

w2c_f4791
# Func Hash:
14549774642997982608
# Num Counters:
109
# Counter Values:
1943
0
0
1943
0
0
0
0
0
0
0
0
0
0
1943
936
936
456
239
0
0
480
24
257
0
456
480
480
480
480
480
464
480
287
480
480
386
4086
4086
0
4086
4086
4086
4086
4086
4086
2248
4086
4084
4086
3992
480
456
0
218
0
218
0
456
0
0
0
0
0
0
456
12
434
0
444
456
456
456
456
456
385
456
390
456
199
0
0
0
0
0
84
1962
788
0
0
1962
6
1954
0
1956
1962
1962
1962
1962
1962
1360
1962
1684
1962
1705
456
456
0
1943

w2c_f4792
# Func Hash:
6461641534407830278
# Num Counters:
86
# Counter Values:
3881
0
3083
482
316
482
34
448
0
448
482
482
482
272
482
482
482
482
3083
2485
2485
1053
1053
2485
0
0
0
0
2485
0
2485
7
2455
0
2478
2485
2356
2485
1208
2485
2485
2485
2485
2485
2485
1106
0
0
0
0
654
0
1379
0
1379
1379
1373
1379
630
1379
1379
1379
1379
1379
597
543
864
0
864
0
864
864
848
864
418
864
864
864
616
864
864
82
1379
2485
3283
3881

w2c_f4793
# Func Hash:
5506699259971494499
# Num Counters:
21
# Counter Values:
290
0
0
0
290
290
0
290
256
34
0
34
290
56
290
28
290
50
290
50
290

w2c_f4794
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1943
0

w2c_f4795
# Func Hash:
10285871826408472779
# Num Counters:
89
# Counter Values:
234
0
0
204
30
0
30
234
0
234
234
0
234
0
234
0
234
0
234
234
0
234
234
0
0
0
0
234
0
23
23
234
0
6076
5842
234
0
3346
3112
234
234
0
0
0
0
234
0
12175
11941
234
0
3346
2
3606
131
8
8569
3597
13097
4060
8125
8569
5102
3475
3344
3344
131
30
30
131
26
26
131
89
131
415
1081
666
1407
992
131
131
70
70
131
3346
3112
234
234

w2c_f4796
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
14112
0

w2c_f4797
# Func Hash:
6921460295858884557
# Num Counters:
4
# Counter Values:
12373
0
0
12373

w2c_f4798
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f4799
# Func Hash:
188105647748367425
# Num Counters:
4
# Counter Values:
4
0
0
4

w2c_f480
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
136440
0

w2c_f4800
# Func Hash:
16582550670291723464
# Num Counters:
16
# Counter Values:
2
0
0
2
2
0
0
2
0
0
0
0
0
2
0
2

w2c_f4801
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
4
0

w2c_f4802
# Func Hash:
7167663831360695478
# Num Counters:
9
# Counter Values:
100
0
96
4
4
96
2
2
100

w2c_f4803
# Func Hash:
14466690358592016022
# Num Counters:
13
# Counter Values:
98
0
6
90
2
2
98
96
0
2
2
2
98

w2c_f4804
# Func Hash:
188105628555745281
# Num Counters:
4
# Counter Values:
4
0
0
4

w2c_f4805
# Func Hash:
6310358999535312353
# Num Counters:
17
# Counter Values:
4
0
2
2
2
0
0
0
0
4
2
0
4
2
0
2
4

w2c_f4806
# Func Hash:
2029939216403139752
# Num Counters:
20
# Counter Values:
4
0
4
0
0
0
0
0
0
0
0
0
0
0
4
0
0
0
0
4

w2c_f4807
# Func Hash:
3146324128810472748
# Num Counters:
34
# Counter Values:
202
0
202
0
0
4
196
2
0
0
4
2
0
0
2
0
0
0
0
0
196
114
92
52
92
0
90
90
88
0
0
0
6
202

w2c_f4808
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
224
0

w2c_f4809
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
310
0

w2c_f4810
# Func Hash:
7167663831360695478
# Num Counters:
9
# Counter Values:
719
0
409
310
310
409
4
4
719

w2c_f4811
# Func Hash:
14466690358592016022
# Num Counters:
13
# Counter Values:
715
0
586
119
10
10
715
491
0
224
224
224
715

w2c_f4812
# Func Hash:
15664513130920592182
# Num Counters:
5
# Counter Values:
310
0
0
33
310

w2c_f4813
# Func Hash:
6310358999535312353
# Num Counters:
17
# Counter Values:
310
0
34
276
276
0
0
0
0
310
306
0
8
4
0
4
310

w2c_f4814
# Func Hash:
3315619612105440719
# Num Counters:
52
# Counter Values:
2089
0
4497
0
0
310
272
272
399
4
395
2289
4
276
276
0
310
0
0
0
310
4
276
272
272
399
379
16
379
107
123
0
0
0
4
399
123
123
0
0
0
2289
1499
1499
4
276
276
4
2408
2408
276
2089

w2c_f4815
# Func Hash:
9790053711867221465
# Num Counters:
45
# Counter Values:
544
0
0
0
34
510
0
510
307
0
203
203
203
510
510
0
0
0
0
510
34
0
17
0
17
17
17
34
0
68
68
0
0
0
0
68
34
34
34
0
0
0
0
34
544

w2c_f4816
# Func Hash:
3511904291608419099
# Num Counters:
94
# Counter Values:
246
0
123
0
123
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
123
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
123
0
0
60
63
0
0
0
60
63
0
0
0
0
0
0
0
0
0
0
0
0
0
246

w2c_f4817
# Func Hash:
18418990737108677503
# Num Counters:
53
# Counter Values:
183
0
0
18
165
0
0
0
0
165
0
0
0
0
0
0
0
0
18
0
18
0
0
0
0
18
18
0
0
0
0
18
18
0
0
0
0
18
0
0
0
0
0
0
0
0
0
0
0
0
0
0
183

w2c_f4818
# Func Hash:
195746081337701298
# Num Counters:
39
# Counter Values:
63
0
0
59
0
4
4
4
63
0
0
4
47
16
16
0
0
0
0
16
0
0
0
0
0
0
0
0
0
0
0
0
63
63
0
0
0
0
63

w2c_f482
# Func Hash:
16517242736386543249
# Num Counters:
9
# Counter Values:
49
0
0
49
0
0
49
0
49

w2c_f483
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
123631
0

w2c_f484
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
10150
0

w2c_f485
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
640
0

w2c_f496
# Func Hash:
3575132578727977413
# Num Counters:
20
# Counter Values:
524
0
0
0
0
0
0
524
0
0
0
0
0
0
0
524
0
524
0
524

w2c_f497
# Func Hash:
2704727500341947991
# Num Counters:
6
# Counter Values:
6
0
0
0
0
6

w2c_f502
# Func Hash:
8561851949420705429
# Num Counters:
12
# Counter Values:
518
0
0
0
0
518
518
518
518
0
0
518

w2c_f504
# Func Hash:
8617579258779174368
# Num Counters:
22
# Counter Values:
524
0
0
0
0
0
0
524
524
524
524
524
0
0
0
524
524
524
524
524
0
524

w2c_f506
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
741
0

w2c_f507
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
15266
0

w2c_f514
# Func Hash:
16822147627498733807
# Num Counters:
42
# Counter Values:
522
0
0
0
0
522
522
522
522
0
522
522
0
522
0
0
0
522
0
0
522
522
522
522
522
522
522
0
522
0
0
0
0
0
0
522
522
522
0
0
0
522

w2c_f515
# Func Hash:
8895069665251358854
# Num Counters:
18
# Counter Values:
528
0
0
522
6
0
522
0
0
522
522
522
522
0
0
6
0
528

w2c_f516
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
528
0

w2c_f519
# Func Hash:
188105650969592897
# Num Counters:
4
# Counter Values:
422
0
422
422

w2c_f520
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
518
0
0
0
0
0
0
518
518
518
518
518
0
518

w2c_f521
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
6
0
0
6

w2c_f522
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
528
0

w2c_f523
# Func Hash:
7203685527160628005
# Num Counters:
34
# Counter Values:
528
0
0
0
0
528
528
528
528
528
0
0
490
0
0
38
38
38
38
528
528
0
0
0
0
0
0
0
0
528
526
528
0
528

w2c_f524
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
528
0

w2c_f525
# Func Hash:
14736021914457788041
# Num Counters:
31
# Counter Values:
89
0
0
83
0
0
0
0
0
0
0
0
0
0
83
0
0
83
0
0
83
0
0
83
83
83
83
83
0
0
89

w2c_f526
# Func Hash:
14291182030684190644
# Num Counters:
148
# Counter Values:
439
0
0
439
0
0
0
0
0
0
0
0
0
439
0
0
439
0
0
439
0
0
439
439
439
439
439
439
0
0
0
439
0
439
0
0
0
0
0
0
0
0
0
0
0
439
439
0
0
0
0
0
0
0
0
0
0
439
0
439
0
0
0
0
0
0
0
0
439
0
437
2
0
2
2
0
0
0
0
0
0
437
0
437
0
0
437
0
0
437
437
437
437
437
0
2
0
0
2
2
2
2
0
0
0
0
0
0
0
439
0
0
0
0
0
0
0
0
439
0
0
0
439
439
0
0
0
0
0
0
0
0
439
0
439
0
439
439
0
0
0
439
439
439
439
439
0
439

w2c_f527
# Func Hash:
10462221021152582097
# Num Counters:
7
# Counter Values:
416
0
0
333
333
333
416

w2c_f528
# Func Hash:
10462221021152582097
# Num Counters:
7
# Counter Values:
105
0
0
105
105
105
105

w2c_f529
# Func Hash:
10462221021152582097
# Num Counters:
7
# Counter Values:
7
0
0
1
1
1
7

w2c_f532
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
1
0
1
0
1

w2c_f533
# Func Hash:
17845771271423553704
# Num Counters:
7
# Counter Values:
205
0
205
205
0
0
205

w2c_f534
# Func Hash:
17875341071031380082
# Num Counters:
8
# Counter Values:
736
0
211
211
0
0
0
736

w2c_f539
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
967
0

w2c_f540
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
961
0
2
961

w2c_f542
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
2
0

w2c_f543
# Func Hash:
10249634387457016791
# Num Counters:
15
# Counter Values:
2
0
0
2
0
0
2
0
0
2
2
2
2
2
2

w2c_f556
# Func Hash:
15885104960731033392
# Num Counters:
10
# Counter Values:
17
0
0
17
16
0
0
1
0
17

w2c_f557
# Func Hash:
15885104960731033392
# Num Counters:
10
# Counter Values:
149091
0
0
149091
718
0
0
148373
126945
149091

w2c_f560
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
149122
0
0
149122

w2c_f562
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
14
0

w2c_f563
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
148369
0
0
148369

w2c_f565
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
289556
0

w2c_f569
# Func Hash:
17647679254940233309
# Num Counters:
15
# Counter Values:
49
0
1073
0
0
1073
1073
1073
1073
2
1025
1025
1024
3
49

w2c_f570
# Func Hash:
17077423571449947902
# Num Counters:
25
# Counter Values:
40425
0
0
162380
162380
0
0
0
0
0
0
0
0
0
0
0
0
0
162380
0
162380
121955
40425
0
40425

w2c_f572
# Func Hash:
7392545899666769705
# Num Counters:
9
# Counter Values:
202
0
199
0
6
3
202
0
202

w2c_f573
# Func Hash:
1724380415957130545
# Num Counters:
12
# Counter Values:
62
0
62
62
38
38
38
62
24
62
24
62

w2c_f578
# Func Hash:
15885104960731033392
# Num Counters:
10
# Counter Values:
4422
0
0
4422
4408
0
0
14
5
4422

w2c_f580
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
4422
0
0
4422

w2c_f582
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
14
0
14
14

w2c_f583
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
2398
0
0
2398

w2c_f585
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
958
0

w2c_f589
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
3191
0
3183
3191

w2c_f591
# Func Hash:
4701556736876300599
# Num Counters:
18
# Counter Values:
28912
0
16055
0
0
0
0
0
12857
12857
12857
12857
12857
0
12857
28912
0
28912

w2c_f592
# Func Hash:
16206277150078158168
# Num Counters:
17
# Counter Values:
3198
0
4
12857
12857
12857
8494
5570
1207
8494
12857
4363
12857
9663
3198
3190
3198

w2c_f594
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
25601
0

w2c_f5949
# Func Hash:
4561949104470398393
# Num Counters:
49
# Counter Values:
1360
0
1360
0
0
1360
438
2
680
372
129084
128712
0
0
132
0
0
920
128568
127648
68
852
631
2
0
2
2
6
4
2
1
3
2
2
0
0
631
1234
603
852
169
1361
678
920
0
0
920
1358
1360

w2c_f595
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
7
0

w2c_f5950
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1360
0

w2c_f596
# Func Hash:
11646052230201689501
# Num Counters:
69
# Counter Values:
7
0
7
0
0
0
0
0
0
7
0
7
7
7
7
0
0
7
7
63
0
63
63
0
63
0
63
0
0
63
63
63
63
0
0
63
63
0
0
0
0
0
0
0
0
63
63
63
63
35
35
7
35
63
28
63
56
0
7
7
0
0
0
0
0
0
7
0
7

w2c_f597
# Func Hash:
12540261506408907015
# Num Counters:
37
# Counter Values:
112
0
0
161
112
0
49
0
0
0
0
49
49
0
0
0
0
0
0
0
161
49
0
49
161
49
161
161
112
49
0
112
161
49
161
49
112

w2c_f598
# Func Hash:
8930061511389089824
# Num Counters:
16
# Counter Values:
63
0
56
56
161
161
0
161
0
105
0
0
63
56
63
63

w2c_f5982
# Func Hash:
11749841635755092188
# Num Counters:
122
# Counter Values:
1302
0
0
0
33976
32674
1302
121
2852
1671
1302
1270
0
1270
1232
1232
1201
1201
1189
1189
1024
1024
949
949
783
783
627
627
397
397
72
72
3
3
0
0
0
0
0
0
0
0
1302
289
4283
1302
2981
1302
1302
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1302
0
1302
0
0
68994
33114
68994
33216
68994
67692
1302
534
111
1302
1302
0
434
434
434
434
0
434
434
434
0
1302
2854
72315
17282
17282
16848
16848
72315
536204
463889
143328
71013
71013
64782
1302
71013
67245
2216
1263
1206
502
239
156
346
1552
0
0
1302
1302
1302
1302
1302

w2c_f5983
# Func Hash:
6219920372672124408
# Num Counters:
106
# Counter Values:
1133
0
1732043
857754
1732043
1738164
245191
245191
6231
48428
48428
19
19
48428
238960
160122
238960
238891
69
0
69
0
6231
110
110
110
238960
1179
1179
0
0
238960
204020
34940
0
0
110
34940
34784
2
2
0
3
1
2
2
0
0
34784
34784
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
34784
247
247
16
865
634
247
99
1031
883
249
34940
32
0
3224
55807
24123
34908
25119
25762
15973
34940
22258
22258
9717
204020
555212
351192
82852
43175
43175
9717
1731933
439
1730910
1133

w2c_f5984
# Func Hash:
10762362093433575094
# Num Counters:
16
# Counter Values:
438
0
0
0
0
0
0
0
0
0
0
0
0
0
438
438

w2c_f5986
# Func Hash:
9825788680856438459
# Num Counters:
51
# Counter Values:
438
0
0
0
0
438
438
438
438
438
438
0
0
438
438
438
438
438
438
0
0
0
0
438
0
438
438
438
438
0
438
438
0
0
0
0
0
0
0
438
0
0
0
0
0
0
0
0
0
0
438

w2c_f5987
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
438
0

w2c_f5988
# Func Hash:
9939174596813093222
# Num Counters:
566
# Counter Values:
922
0
0
0
0
0
0
0
0
922
0
922
922
922
73450
0
438
0
0
0
0
0
0
0
0
0
0
910
0
33
0
33
434
0
0
5
40363
0
0
0
886
29910
438
0
0
0
0
0
0
0
0
0
434
0
0
434
0
0
0
0
0
0
0
0
438
0
0
0
438
438
438
438
438
438
0
0
0
438
438
438
0
0
438
0
438
438
438
438
438
0
438
0
438
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
910
910
910
438
446
446
446
438
446
472
0
33
5
434
0
0
5
5
434
0
467
472
33
33
33
33
33
33
33
33
33
33
33
33
33
33
33
33
33
33
33
33
33
33
66
33
33
0
33
33
33
434
434
434
434
0
434
0
434
0
0
434
6388
2273
2273
0
6388
5954
29910
35
438
438
438
438
438
0
438
438
438
438
438
438
438
438
438
438
438
438
438
0
0
438
438
438
438
0
0
438
0
438
438
434
32
28
558
184
402
77
325
0
402
434
434
434
434
0
55816
21980
21980
21980
0
0
55816
6987
6987
0
4705
1630
652
4705
3484
1221
0
0
4705
4705
4705
1630
926
704
0
0
1630
652
68
584
0
0
652
2282
6987
0
893
13149
7055
6987
1783
17133
11929
55816
55382
0
434
434
434
434
434
434
434
434
439
40802
311
39358
1023
39669
32804
32804
33171
0
367
39669
257
257
39
39
39
0
0
257
39669
9794
9794
9465
9465
9465
9465
9465
2186
2186
535
535
535
0
0
2186
9465
9465
4685
4685
4685
0
0
9465
1
1
1
1
1
0
0
1
9465
9465
9465
9465
9429
9429
7688
7688
8382
0
694
9429
9465
10351
9902
484
9902
9105
797
0
797
796
796
797
13
9105
9902
9447
627
39830
30555
0
0
0
0
0
0
0
0
627
9902
6242
9865
6205
9902
437
1460
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
438
0
438
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
438
438
0
922
484
133
305
305
305
0
789
0
922
0
438
484
484
484
922
0
438
438
6
0
0
0
922

w2c_f5989
# Func Hash:
9456705008477391739
# Num Counters:
22
# Counter Values:
789
0
484
0
0
305
305
305
305
0
789
484
789
788
788
0
788
788
0
1
788
789

w2c_f599
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
529
0
326
529

w2c_f5990
# Func Hash:
17944622604304882803
# Num Counters:
23
# Counter Values:
438
0
0
0
0
0
0
0
133
0
0
305
305
305
305
438
0
0
438
438
438
438
438

w2c_f600
# Func Hash:
17024322607097980731
# Num Counters:
13
# Counter Values:
144
0
0
316
42
42
172
0
40
0
104
0
144

w2c_f602
# Func Hash:
3323201263578733763
# Num Counters:
20
# Counter Values:
7214
0
1
17966
6839
6839
10753
0
5000
0
0
0
2213
2213
2213
2213
0
2213
1
7214

w2c_f603
# Func Hash:
3323201263578733763
# Num Counters:
20
# Counter Values:
24172
0
0
61274
23211
23211
37102
5
5
0
0
0
24162
24162
24162
24162
1
24161
5
24172

w2c_f604
# Func Hash:
10396972637395576648
# Num Counters:
19
# Counter Values:
1450
0
1450
1450
4436
2556
2556
2986
1450
1450
10
0
0
0
1440
1440
1440
1440
1450

w2c_f607
# Func Hash:
14334591821272791800
# Num Counters:
14
# Counter Values:
87
0
87
87
131
90
90
44
41
41
2
0
0
87

w2c_f608
# Func Hash:
7397824312331676367
# Num Counters:
18
# Counter Values:
595
0
0
1700
600
600
1105
0
589
0
0
0
0
6
6
6
6
595

w2c_f609
# Func Hash:
10396972637395576648
# Num Counters:
19
# Counter Values:
3274
0
3274
3274
11367
3527
3527
8093
3274
3274
2363
0
0
0
911
911
911
911
3274

w2c_f610
# Func Hash:
8715825118239661729
# Num Counters:
17
# Counter Values:
321
0
0
1173
537
537
852
0
0
0
0
0
321
321
321
321
321

w2c_f611
# Func Hash:
14334591821272791800
# Num Counters:
14
# Counter Values:
91
0
91
91
161
70
70
70
63
63
35
0
0
91

w2c_f613
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
28214
0

w2c_f614
# Func Hash:
3054499805917713292
# Num Counters:
27
# Counter Values:
8030
0
0
22444
10065
10065
14414
6
4355
0
0
0
3669
3669
3669
3669
0
0
0
3669
3669
3669
3669
0
3669
6
8030

w2c_f615
# Func Hash:
3054499805917713292
# Num Counters:
27
# Counter Values:
24461
0
0
25695
609
609
1234
10
587
0
0
0
23864
23864
23864
23864
0
0
0
23864
23864
23864
23864
0
23864
10
24461

w2c_f617
# Func Hash:
15518792167908793898
# Num Counters:
36
# Counter Values:
13925
0
0
13919
6
6
9
3
3
3
3
3
13919
0
0
13864
0
55
13864
13864
13919
13919
12800
0
517
0
0
602
602
602
602
13919
12800
13925
0
13925

w2c_f618
# Func Hash:
12516283491613375043
# Num Counters:
21
# Counter Values:
1463
0
0
4407
1596
1596
2944
24
9
0
0
0
1430
1430
1430
1430
0
0
1430
24
1463

w2c_f619
# Func Hash:
12516283491613375043
# Num Counters:
21
# Counter Values:
1109
0
0
3096
803
803
1987
0
223
0
0
0
886
886
886
886
0
0
886
0
1109

w2c_f621
# Func Hash:
12516283491613375043
# Num Counters:
21
# Counter Values:
28762
0
0
72529
28842
28842
43767
0
13876
0
0
0
14886
14886
14886
14886
0
0
14886
0
28762

w2c_f623
# Func Hash:
14490221176822244109
# Num Counters:
14
# Counter Values:
77
0
0
231
116
116
154
0
0
0
0
77
0
77

w2c_f626
# Func Hash:
9676572645812321314
# Num Counters:
20
# Counter Values:
6
0
0
8
7
7
2
5
1
0
0
0
0
0
0
0
0
0
6
6

w2c_f627
# Func Hash:
1997604367711438486
# Num Counters:
11
# Counter Values:
2062
0
0
6094
1732
1732
4032
6
1507
555
2062

w2c_f628
# Func Hash:
14783156943309081931
# Num Counters:
32
# Counter Values:
3
0
0
0
0
6
6
0
0
6
6
6
0
0
6
6
0
6
3
0
3
3
0
3
3
0
0
0
0
0
0
3

w2c_f629
# Func Hash:
2187053088369541175
# Num Counters:
26
# Counter Values:
153
0
0
49
153
153
153
0
153
0
153
52
150
49
153
52
150
150
150
49
153
52
153
0
0
153

w2c_f630
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
12206
0

w2c_f631
# Func Hash:
15764458243487050363
# Num Counters:
25
# Counter Values:
29
0
28
1
0
28
39
11
29
23
29
29
0
0
0
0
0
0
0
0
29
0
29
0
29

w2c_f632
# Func Hash:
1737891639755813386
# Num Counters:
88
# Counter Values:
148472
0
148472
148472
0
148472
148443
148443
148393
148393
71990
0
148443
10662
0
191517
127368
64116
64116
3887
0
64149
10689
127368
127368
127368
0
127368
0
127368
127368
9
345
53814
53736
21458
0
21458
29
21309
149
0
0
0
149
149
0
149
120
29
120
120
149
149
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
149
149
120
120
115
115
0
21458
10723
29
10696
10696
595
0
10706
10723
21458
148472

w2c_f633
# Func Hash:
10673954776492254968
# Num Counters:
18
# Counter Values:
13948
0
10758
10758
21938
8413
7629
8413
1119
3551
1119
1119
12829
12829
12829
5115
12829
13948

w2c_f635
# Func Hash:
8187951297407798564
# Num Counters:
25
# Counter Values:
12
0
0
12
12
18
3
3
6
9
9
3
0
6
0
0
0
0
0
6
0
6
0
6
12

w2c_f636
# Func Hash:
6730811914535365571
# Num Counters:
42
# Counter Values:
29
0
0
0
80
28
28
51
0
0
0
75
41
41
46
6
0
29
29
0
0
0
29
0
0
29
29
29
0
0
0
0
0
0
0
0
29
29
29
29
0
29

w2c_f640
# Func Hash:
8748749299531023716
# Num Counters:
5
# Counter Values:
6
0
0
0
6

w2c_f643
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
6
0
0
0
6
0
0
0
0
0
0
6
0
6

w2c_f6439
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
134
0

w2c_f644
# Func Hash:
11015163004611731101
# Num Counters:
39
# Counter Values:
149
0
0
0
29
149
29
15788
15668
149
0
284
135
149
29
120
120
5
0
120
0
31423
31423
31423
3474
0
31423
31365
31365
6575
6575
31423
31303
0
0
0
149
0
149

w2c_f6440
# Func Hash:
2797106442095531349
# Num Counters:
41
# Counter Values:
134
0
132
2
134
72
134
4
134
2
0
132
0
0
0
0
0
0
134
27
0
107
0
0
0
0
0
0
134
134
0
0
0
0
0
0
134
2
134
0
134

w2c_f6443
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
14464
0

w2c_f6444
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1432303
0

w2c_f6445
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
42930
0

w2c_f6452
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
110
0

w2c_f6453
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
85493
0

w2c_f6454
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
148369
0

w2c_f6455
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
128
0

w2c_f6456
# Func Hash:
3962761271268155747
# Num Counters:
11
# Counter Values:
110
0
0
0
110
110
110
110
110
110
110

w2c_f6458
# Func Hash:
8246160180492878541
# Num Counters:
9
# Counter Values:
450452
0
450322
68
62
450452
241839
241839
450452

w2c_f6461
# Func Hash:
7724819009146080981
# Num Counters:
53
# Counter Values:
107
0
0
67
107
0
107
0
107
0
107
0
107
107
107
0
107
107
0
0
107
107
0
0
0
0
0
0
0
0
0
107
0
0
0
107
107
107
107
107
107
0
0
107
0
0
0
0
0
0
107
0
107

w2c_f6462
# Func Hash:
5232804736128914160
# Num Counters:
53
# Counter Values:
142
0
119
0
0
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
0
0
23
0
0
0
0
0
0
142
136
0
0
0
6
6
6
6
6
0
0
6
6
6
6
6
142
0
142

w2c_f6464
# Func Hash:
15105532513786672212
# Num Counters:
73
# Counter Values:
2
0
0
0
0
0
0
0
0
0
2
0
0
0
0
0
0
0
2
0
2
0
0
0
0
2
0
0
0
0
0
0
0
2
0
2
0
0
2
0
0
0
0
0
0
2
0
2
0
0
0
0
2
0
0
0
0
0
0
0
2
0
2
0
0
0
2
2
0
2
0
0
2

w2c_f6465
# Func Hash:
219955627854365841
# Num Counters:
72
# Counter Values:
134
0
134
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
134
130
4
130
130
0
130
0
134
134
0
0
134
134
134
134
0
0
0
0
0
0
0
0
0
0
134
0
134
134
0
0
0
0
0
0
0
0
134
0
134

w2c_f6466
# Func Hash:
10913967317242857865
# Num Counters:
7
# Counter Values:
450465
0
450465
450465
0
0
450465

w2c_f6469
# Func Hash:
3516200286598721403
# Num Counters:
10
# Counter Values:
33293
0
0
32768
72
0
32840
26944
32840
33293

w2c_f6476
# Func Hash:
7729311890849622656
# Num Counters:
11
# Counter Values:
23
0
0
0
0
0
0
0
23
0
23

w2c_f6478
# Func Hash:
12727828276297932596
# Num Counters:
24
# Counter Values:
134
0
0
134
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
134

w2c_f6484
# Func Hash:
17370086354510285002
# Num Counters:
22
# Counter Values:
5896
0
5896
0
5896
736
0
5152
0
0
8
0
0
0
5152
0
0
8
0
0
736
5896

w2c_f6485
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f6486
# Func Hash:
3231140665351139402
# Num Counters:
41
# Counter Values:
2
0
28
26
0
0
0
0
2
0
0
0
0
0
0
2
0
0
0
0
2
2
2
2
0
28
26
28
26
0
0
0
0
2
2
2
2
28
26
0
2

w2c_f6488
# Func Hash:
13330921941557635408
# Num Counters:
20
# Counter Values:
2
0
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2

w2c_f6489
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f6490
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
34
0
0
34

w2c_f6491
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
34
0
34
0
0
34

w2c_f6492
# Func Hash:
9263056759375326075
# Num Counters:
14
# Counter Values:
34
0
34
34
34
34
34
34
34
34
34
34
34
34

w2c_f6493
# Func Hash:
4701556736876300599
# Num Counters:
18
# Counter Values:
34
0
34
0
0
0
0
0
0
0
0
0
0
0
0
34
0
34

w2c_f6494
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
100
0

w2c_f6495
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f6496
# Func Hash:
7095206416438811652
# Num Counters:
10
# Counter Values:
2
0
2
0
0
0
0
0
0
2

w2c_f6497
# Func Hash:
15312462141090890931
# Num Counters:
35
# Counter Values:
2
0
2
0
0
0
0
0
2
2
0
0
0
0
0
0
0
2
0
2
2
2
2
0
2
2
0
2
0
0
0
0
0
0
2

w2c_f6498
# Func Hash:
8002259593733106352
# Num Counters:
9
# Counter Values:
49
0
47
2
0
0
0
0
49

w2c_f6499
# Func Hash:
9513055230117025073
# Num Counters:
13
# Counter Values:
2
0
0
2
0
0
0
0
2
0
2
0
2

w2c_f6503
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
62
0

w2c_f6504
# Func Hash:
17938788077255378040
# Num Counters:
44
# Counter Values:
62
0
0
0
2542
0
186
140
0
128
9
13
62
0
2004
186
124
140
78
0
0
0
0
13
13
13
13
9
9
2542
2480
62
62
0
0
0
0
62
62
62
62
62
0
62

w2c_f6505
# Func Hash:
8468666347847781009
# Num Counters:
85
# Counter Values:
62
0
62
0
62
62
62
3390
3328
62
3328
3328
0
0
0
0
0
0
0
3328
0
0
0
0
6656
0
0
0
0
6656
0
2254
0
6656
6656
6656
3328
0
3328
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3328
0
0
0
0
3328
3328
62
0
0
0
0
0
0
0
3328
3266
62
0
62
0
0
62

w2c_f6506
# Func Hash:
10395989627921979277
# Num Counters:
238
# Counter Values:
62
0
62
0
62
62
62
541
479
62
479
479
0
0
0
0
0
0
0
479
0
0
0
0
958
0
0
0
0
958
0
183
0
958
958
958
479
479
479
479
479
479
479
479
0
958
0
0
0
0
958
0
345
0
958
958
958
479
479
479
479
479
479
479
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
479
0
0
0
0
0
0
0
479
479
479
479
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
479
0
0
0
0
0
479
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
479
479
62
0
0
0
0
0
0
0
479
0
0
479
0
0
0
0
0
0
479
0
5503
5024
0
0
0
0
0
0
0
0
0
0
0
0
0
0
479
417
62
0
0
479
0
0
0
479
479
479
479
479
417
62
62
0
62

w2c_f6507
# Func Hash:
16687161773656479509
# Num Counters:
10
# Counter Values:
62
0
19
0
310
0
310
267
43
62

w2c_f6508
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
33896
0
17010
33896

w2c_f6509
# Func Hash:
4165849228756135580
# Num Counters:
18
# Counter Values:
241839
0
0
1806530
1206171
1564691
0
241839
0
0
0
241839
788
788
0
0
0
241839

w2c_f6511
# Func Hash:
4311006952328008563
# Num Counters:
17
# Counter Values:
3807
0
0
0
0
0
16964
0
0
0
0
2743
12723
16964
13157
3807
3807

w2c_f6512
# Func Hash:
7931181724169709830
# Num Counters:
20
# Counter Values:
3328
0
0
0
0
3018
310
310
0
0
310
0
310
191
191
191
3018
3137
3328
3328

w2c_f6513
# Func Hash:
7089523118827749285
# Num Counters:
63
# Counter Values:
479
0
0
0
0
0
479
479
479
479
479
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
479
0
0
479

w2c_f6515
# Func Hash:
11962545021305126562
# Num Counters:
30
# Counter Values:
8831
0
8769
8769
73234
62162
9918
62162
0
54547
8831
8743
8831
0
0
8831
8769
8769
73006
56952
13406
56952
776
50831
8055
7854
8055
776
0
8831

w2c_f6517
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
958
0

w2c_f6520
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
479
0

w2c_f6522
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
134
0

w2c_f6523
# Func Hash:
16687161773656479509
# Num Counters:
10
# Counter Values:
134
0
128
2
1024
1018
1024
1020
6
134

w2c_f6525
# Func Hash:
5196595949707232551
# Num Counters:
7
# Counter Values:
450452
0
0
450452
0
0
450452

w2c_f6526
# Func Hash:
15629667715089824445
# Num Counters:
44
# Counter Values:
3535
0
0
0
0
3535
0
0
0
3535
0
0
3116
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3535
0
3535
0
0
0
0
0
0
3535
0
3535

w2c_f6527
# Func Hash:
15166578914896699237
# Num Counters:
30
# Counter Values:
130
0
23
0
107
0
0
107
0
107
107
107
0
107
107
0
7779
7672
107
0
107
0
0
0
0
0
0
130
0
130

w2c_f6528
# Func Hash:
11975844583286134489
# Num Counters:
50
# Counter Values:
6
0
0
0
0
0
0
0
0
0
0
0
6
0
462
0
8
0
454
454
8
0
0
8
8
8
8
462
0
462
0
0
0
0
0
0
462
456
6
0
6
0
0
0
0
0
0
6
0
6

w2c_f6529
# Func Hash:
384015543674622963
# Num Counters:
30
# Counter Values:
6
0
6
0
0
6
0
0
6
6
6
0
6
0
6
6
0
0
6
6
0
0
0
0
6
6
6
0
0
6

w2c_f6530
# Func Hash:
17641658834272505967
# Num Counters:
65
# Counter Values:
134
0
29
105
0
105
105
0
29
6
0
23
0
0
23
0
0
23
23
23
23
23
23
0
0
0
0
0
0
0
23
23
0
6
0
0
6
0
6
6
6
6
6
6
6
6
0
6
6
6
2
0
6
29
0
29
0
0
0
0
0
0
134
0
134

w2c_f6531
# Func Hash:
14149808268735899157
# Num Counters:
6
# Counter Values:
464894
0
0
464894
0
464894

w2c_f6532
# Func Hash:
2295838809310451639
# Num Counters:
5
# Counter Values:
450457
0
0
446922
450457

w2c_f6533
# Func Hash:
2149110891622154973
# Num Counters:
96
# Counter Values:
130
0
23
130
23
0
0
0
107
23
130
107
130
0
0
130
130
130
130
128
512
64
512
510
130
0
0
0
0
130
0
0
0
0
0
0
0
130
130
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
130
130
23
0
107
0
0
0
0
0
0
130
0
130

w2c_f6534
# Func Hash:
1178648204314784274
# Num Counters:
28
# Counter Values:
23
0
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
23
0
0
23
23
23
23
23
23

w2c_f6536
# Func Hash:
4659183208825324537
# Num Counters:
10
# Counter Values:
450452
0
208613
0
208613
208589
208589
208613
208613
450452

w2c_f6538
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
14441
0

w2c_f6549
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
130
0

w2c_f6551
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
130
0

w2c_f6555
# Func Hash:
5271500849995613423
# Num Counters:
37
# Counter Values:
130
0
23
23
23
0
23
0
0
23
23
0
23
0
0
23
0
23
23
0
23
23
0
23
23
23
0
0
0
0
0
0
0
0
130
0
130

w2c_f6556
# Func Hash:
7015101184469767818
# Num Counters:
99
# Counter Values:
130
0
0
0
0
0
130
130
130
130
0
107
0
0
23
23
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
130
0
126
0
130
130
23
27392
26944
0
0
448
0
448
0
0
0
0
0
0
26944
23163
0
3781
0
3781
3781
27392
27285
23
5888
736
0
0
5152
0
5152
0
0
0
0
0
0
5152
5152
0
0
0
0
0
0
5888
5865
130
0
0
130
0
0
0
0
0
0
130
0
130

w2c_f6557
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
5
0

w2c_f6558
# Func Hash:
2322444634636088711
# Num Counters:
22
# Counter Values:
5
0
0
0
0
0
0
5
5
5
5
5
5
0
0
0
0
0
0
5
0
5

w2c_f6559
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
94
0

w2c_f6560
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
4
0

w2c_f6561
# Func Hash:
5760137699079415596
# Num Counters:
47
# Counter Values:
12
0
7
0
0
0
0
5
5
5
5
0
0
0
0
5
5
0
0
0
0
0
0
0
0
5
0
0
0
5
5
5
5
5
0
0
0
5
0
0
0
0
0
0
12
0
12

w2c_f6562
# Func Hash:
9218460043406353641
# Num Counters:
9
# Counter Values:
5
0
0
0
0
0
0
0
5

w2c_f6563
# Func Hash:
14675623447880270714
# Num Counters:
10
# Counter Values:
5
0
5
0
0
0
0
0
0
5

w2c_f6564
# Func Hash:
2674450650908204224
# Num Counters:
20
# Counter Values:
5
0
0
0
0
5
5
0
5
0
5
0
0
0
0
0
0
0
5
5

w2c_f6565
# Func Hash:
14675623447880270714
# Num Counters:
10
# Counter Values:
5
0
5
0
0
0
0
0
0
5

w2c_f6566
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
24
0
0
24
24

w2c_f6567
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
4
0

w2c_f6568
# Func Hash:
7437009604574641264
# Num Counters:
34
# Counter Values:
4
0
0
0
4
0
0
0
0
0
0
4
0
0
4
0
0
0
0
0
0
4
0
0
4
0
0
0
0
0
0
4
0
4

w2c_f6569
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
14
0
9
0
5
14

w2c_f6570
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
4
0

w2c_f6571
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
36
0

w2c_f6573
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
36
0

w2c_f6574
# Func Hash:
15749958799376316900
# Num Counters:
27
# Counter Values:
4
0
0
0
5
0
5
4
1
0
4
5
1
5
1
0
4
4
0
0
0
0
0
0
4
0
4

w2c_f6575
# Func Hash:
14886321665224547918
# Num Counters:
77
# Counter Values:
4
0
4
0
0
0
0
0
0
0
0
4
4
4
4
0
4
0
0
0
4
1
94
90
4
0
4
0
0
0
0
0
0
4
4
0
0
0
0
0
0
0
0
4
0
0
4
0
0
0
0
0
0
4
4
0
0
4
0
0
0
0
0
0
4
0
0
4
0
0
0
0
0
0
4
0
4

w2c_f6577
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
12
0

w2c_f6578
# Func Hash:
7957592094000301142
# Num Counters:
86
# Counter Values:
44
0
0
12
34
3
2
1
0
13
0
0
8
0
0
5
5
5
5
0
0
5
0
5
0
0
0
0
0
0
5
0
5
0
0
5
0
0
0
5
5
5
5
0
0
5
5
5
5
4
1
1
0
1
0
5
0
0
5
5
5
5
0
5
5
0
5
5
0
0
0
0
0
0
5
0
5
0
0
0
0
0
0
44
0
44

w2c_f6579
# Func Hash:
7108573132847342521
# Num Counters:
15
# Counter Values:
5
0
1
1
1
1
0
1
1
1
0
5
1
5
5

w2c_f6580
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
5
0
5
5

w2c_f6581
# Func Hash:
8943500825099559952
# Num Counters:
6
# Counter Values:
12
0
12
12
0
12

w2c_f6582
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
20
0
8
20

w2c_f6598
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
12
0

w2c_f6599
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f6601
# Func Hash:
10859871097268783462
# Num Counters:
18
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
0
0
0
0
49
0
49

w2c_f6602
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
57
0
53
4
4
57

w2c_f6603
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f6604
# Func Hash:
6696514430792910481
# Num Counters:
30
# Counter Values:
12
0
0
1
28
20
17
3
0
8
0
12
0
1
28
28
0
28
20
20
17
4
3
4
12
12
12
12
0
12

w2c_f661
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
62
0

w2c_f6612
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
12
0

w2c_f6615
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f6616
# Func Hash:
13362802911034889123
# Num Counters:
24
# Counter Values:
305
0
0
305
0
305
0
0
0
305
305
305
305
305
0
305
0
0
0
305
305
305
305
305

w2c_f6617
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f6618
# Func Hash:
17937376827959493641
# Num Counters:
6
# Counter Values:
305
0
0
0
0
305

w2c_f6619
# Func Hash:
14758837214155142134
# Num Counters:
6
# Counter Values:
305
0
0
0
0
305

w2c_f662
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
62
0

w2c_f6620
# Func Hash:
13089965834971924045
# Num Counters:
5
# Counter Values:
305
0
305
305
305

w2c_f6621
# Func Hash:
15786827103556367366
# Num Counters:
135
# Counter Values:
305
0
0
610
0
0
0
0
0
305
305
302
302
305
305
305
0
0
0
0
305
305
0
0
0
0
0
0
0
0
305
305
302
0
302
302
0
0
302
305
29021
305
0
0
0
1
0
28715
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28715
0
0
0
28715
28715
28715
28715
28714
1
28715
0
0
28715
28715
28715
28715
1
0
0
28714
28714
28714
28714
28713
2
0
1
28713
28525
28525
188
0
0
0
0
0
0
0
0
2
28716
28714
28716
28716
305
0
0
305
0
305
0
0
0
0
0
0
0
0
0
0
305
305
305
0
305

w2c_f6622
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f6623
# Func Hash:
14606340698845189641
# Num Counters:
20
# Counter Values:
305
0
0
0
305
0
305
305
1
0
304
0
0
0
0
0
0
305
0
305

w2c_f6625
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
305
0

w2c_f6626
# Func Hash:
15144213372542657585
# Num Counters:
32
# Counter Values:
305
0
305
305
0
0
0
0
0
0
0
0
0
0
305
305
305
0
305
305
0
0
305
305
0
0
305
305
305
0
0
305

w2c_f6627
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
306
0

w2c_f6628
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
611
0

w2c_f663
# Func Hash:
9296384171542968237
# Num Counters:
78
# Counter Values:
10821
0
0
11317
558
10759
0
0
11317
10759
0
14419
0
0
558
0
0
0
13861
558
496
62
10759
0
9085
9085
0
124
0
0
0
0
0
0
620
0
0
0
0
0
0
0
0
0
0
0
0
8279
0
62
0
620
8279
62
0
0
62
0
124
124
124
797
0
0
124
673
0
124
797
0
673
124
0
0
0
0
0
10821

w2c_f6630
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
611
0
0
0
306
0
0
305
305
305
305
611
0
611

w2c_f6631
# Func Hash:
8506071863072811548
# Num Counters:
18
# Counter Values:
28523
0
0
28523
0
0
0
0
0
0
0
0
0
0
0
0
0
28523

w2c_f6632
# Func Hash:
8506071863072811548
# Num Counters:
18
# Counter Values:
224
0
0
224
0
0
0
0
0
0
0
0
0
0
0
0
0
224

w2c_f6635
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
28748
0
28748
28748
28748

w2c_f6636
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f6637
# Func Hash:
5586941081529467842
# Num Counters:
24
# Counter Values:
2
0
2
0
0
0
0
0
0
0
0
2
0
0
2
0
0
0
0
0
0
2
0
2

w2c_f6638
# Func Hash:
8194913442361428763
# Num Counters:
19
# Counter Values:
2
0
0
2
0
0
0
0
0
0
0
0
0
0
0
0
2
0
2

w2c_f6639
# Func Hash:
17287206919059442587
# Num Counters:
55
# Counter Values:
2
0
0
2
0
0
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2

w2c_f664
# Func Hash:
5200474924615008402
# Num Counters:
35
# Counter Values:
1674
0
0
11101
0
0
0
0
0
0
0
0
0
0
0
127
0
0
0
9300
0
0
0
0
1674
0
9427
9427
1674
0
0
0
1674
0
1674

w2c_f6642
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f6643
# Func Hash:
4458274226669238889
# Num Counters:
28
# Counter Values:
2
0
0
2
0
2
0
0
2
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
2
0
2

w2c_f6644
# Func Hash:
7366593264834292793
# Num Counters:
5
# Counter Values:
2
0
0
2
2

w2c_f6645
# Func Hash:
1682350750336511463
# Num Counters:
232
# Counter Values:
2
0
2
2
0
0
0
2
2
0
0
0
0
0
0
0
0
2
2
0
2
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
2
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
1
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
2
2
2
2
0
2
0
0
0
0
0
0
2
2
2
2
2
2
2
0
0
2
0
0
0
0
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2
2
0
0
0
0
0
0
0
0
2
0
2

w2c_f6649
# Func Hash:
6016394300666461957
# Num Counters:
22
# Counter Values:
2
0
1
0
0
1
0
2
0
0
0
2
0
2
2
2
0
0
2
2
0
2

w2c_f665
# Func Hash:
17047203124131856342
# Num Counters:
36
# Counter Values:
620
0
0
6005
0
0
0
0
0
0
0
0
0
0
0
293
0
0
0
5092
0
0
0
0
620
0
620
0
0
0
5385
5385
0
0
0
620

w2c_f6650
# Func Hash:
4110725841881384235
# Num Counters:
18
# Counter Values:
2
0
2
0
0
0
0
2
0
0
0
0
0
0
0
2
2
2

w2c_f6652
# Func Hash:
15158639547713839710
# Num Counters:
29
# Counter Values:
2
0
0
2
0
0
0
0
0
0
2
2
0
2
0
2
2
0
0
0
0
0
0
0
0
0
2
0
2

w2c_f6654
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
1
0
1
1

w2c_f6655
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
1
0
0
0
0
0
0
1
1
1
1
1
0
1

w2c_f6656
# Func Hash:
8514111275478568980
# Num Counters:
6
# Counter Values:
1
0
0
0
1
1

w2c_f6657
# Func Hash:
16141008471989597986
# Num Counters:
10
# Counter Values:
1
0
0
0
0
0
0
1
0
1

w2c_f6658
# Func Hash:
6353437648517234832
# Num Counters:
475
# Counter Values:
1
0
0
0
0
1
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
1
0
1
1
0
0
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
0
0
0
0
0
0
0
0
0
0
1
0
0
1
0
0
400
0
0
0
0
320000
0
0
0
320000
320000
0
320000
320000
0
320000
0
320000
320000
320000
319600
400
399
1
1
0
0
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
0
0
1
0
0
1
0
1
0
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
0
1
0
0
1
0
0
0
0
0
0
1
0
1

w2c_f6659
# Func Hash:
1435487019839833588
# Num Counters:
47
# Counter Values:
1
0
0
1
0
0
1
1
1
0
0
0
0
1
0
0
1
1
1
0
0
1
0
0
256
0
256
0
0
0
256
0
256
0
0
256
256
256
256
256
256
256
255
1
0
0
1

w2c_f666
# Func Hash:
13220420068441508931
# Num Counters:
23
# Counter Values:
8279
0
8279
0
8279
62
8217
8217
8217
62
0
0
8217
25784
0
17567
8217
0
0
0
8217
0
8279

w2c_f6668
# Func Hash:
14941775033529556375
# Num Counters:
160
# Counter Values:
28489
0
0
0
28489
28489
28489
28489
28489
28489
0
0
28489
13772
0
14717
0
0
0
0
0
0
28489
0
28489
0
0
0
0
0
0
28489
0
570319
119867
0
0
450452
450452
450452
0
0
450452
450452
450452
450452
24
0
450452
0
0
450452
450452
450452
450452
0
0
0
450452
450452
450452
450452
0
436011
0
0
14441
14441
14441
14441
14441
0
0
450452
0
450452
0
0
450452
450452
450452
450452
0
436011
0
0
14441
14441
14441
14441
0
0
0
14441
14441
14441
14441
450452
28489
0
450452
0
0
0
450452
450452
450452
450452
0
436011
0
0
14441
14441
14441
14441
14441
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
450452
450452
0
0
0
0
0
450452
24
570319
541830
28489
0
28489

w2c_f6669
# Func Hash:
16011937183675128506
# Num Counters:
21
# Counter Values:
28489
0
0
0
0
0
0
0
0
0
0
0
28489
28489
0
0
28489
28489
28489
0
28489

w2c_f6671
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
305
0

w2c_f6672
# Func Hash:
1555977790805696782
# Num Counters:
30
# Counter Values:
306
0
306
306
306
0
0
306
1
0
305
0
0
0
0
0
0
306
305
0
1
0
0
0
0
0
0
306
0
306

w2c_f6673
# Func Hash:
2921359104526121519
# Num Counters:
25
# Counter Values:
306
0
1
0
306
306
0
0
0
0
0
0
0
0
306
305
0
0
1
1
1
305
306
0
306

w2c_f6674
# Func Hash:
17747054560162729669
# Num Counters:
23
# Counter Values:
1
0
0
0
33
33
33
0
0
0
0
0
0
0
0
0
33
0
33
33
33
32
1

w2c_f6675
# Func Hash:
5062712634137285797
# Num Counters:
39
# Counter Values:
28748
0
5
28741
0
0
2
0
0
0
0
0
0
5
1
0
4
0
4
4
4
0
4
4
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28748

w2c_f6676
# Func Hash:
9151642667550565888
# Num Counters:
212
# Counter Values:
28748
0
28748
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28748
0
0
28748
28748
28748
28748
1
1
0
0
1
0
1
0
0
0
0
0
0
1
28748
28743
5
28748
28748
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28748
28747
0
1
0
0
0
0
0
0
28748
28748
0
0
0
0
0
0
0
0
28748
0
28748

w2c_f6677
# Func Hash:
8942352693999447729
# Num Counters:
57
# Counter Values:
28747
0
0
0
28747
28747
28747
28747
0
28501
243
1
1
1
0
243
0
0
243
243
243
243
0
1
0
0
1
1
1
1
0
1
0
1
0
0
1
1
1
1
1
0
0
1
1
1
1
28501
0
0
28501
28501
28501
28501
28501
0
28747

w2c_f6679
# Func Hash:
13704763937038728958
# Num Counters:
99
# Counter Values:
28501
0
0
0
0
0
28501
28501
28501
28501
28489
28489
0
0
0
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
28489
28489
28489
0
0
0
0
28489
28489
28489
0
28489
0
0
0
28489
28489
28489
28489
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28489
28501
0
28501
0
0
0
0
0
0
28501
0
28501

w2c_f6682
# Func Hash:
10377301341413312485
# Num Counters:
41
# Counter Values:
243
0
21
0
243
243
0
0
243
21
21
21
0
0
0
0
21
243
19
243
0
243
0
0
0
243
222
21
243
243
243
243
243
0
0
19
224
224
0
243
243

w2c_f6683
# Func Hash:
6197285998681993693
# Num Counters:
5
# Counter Values:
1
0
0
0
1

w2c_f6684
# Func Hash:
15870577467508164320
# Num Counters:
66
# Counter Values:
1
0
0
0
1
0
1
0
0
0
0
0
0
1
1
0
1
0
0
1
0
1
0
0
0
0
0
0
1
0
0
0
1
1
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
1
1
0
0
0
0
0
0
0
0
0
1
0
1

w2c_f6686
# Func Hash:
3397265675505794398
# Num Counters:
36
# Counter Values:
28715
0
28716
28715
0
0
0
0
1
28715
0
0
0
0
28715
28715
28715
28715
1
1
1
1
0
0
1
1
1
1
1
0
0
0
0
1
1
28715

w2c_f6688
# Func Hash:
2243434039698553563
# Num Counters:
251
# Counter Values:
12
0
0
0
12
12
12
12
0
12
0
0
0
0
0
0
12
12
0
0
0
12
0
12
0
12
0
12
0
0
0
0
12
12
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
12
0
0
12
0
0
0
0
0
0
12
12
12
12
0
0
0
0
0
0
12
0
12
12
12
0
0
0
0
0
12
12
12
12
0
0
0
0
0
0
0
0
12
12
0
0
12
0
12
0
0
0
0
12
0
0
0
0
12
0
12
0
0
0
0
0
0
0
0
0
12
12
0
0
12
0
12
12
12
0
0
0
12

w2c_f6689
# Func Hash:
5941941121270348281
# Num Counters:
82
# Counter Values:
224
0
224
0
0
0
0
224
0
224
0
224
224
224
0
0
0
224
224
0
224
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
224
0
0
224
224
224
224
224
0
0
0
0
0
0
0
0
224
0
224

w2c_f6690
# Func Hash:
13690220377281615253
# Num Counters:
76
# Counter Values:
28523
0
0
28523
0
28523
28523
28523
0
0
0
28523
28523
0
28523
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28523
0
0
28523
28523
28523
28523
28523
0
0
0
0
0
0
0
0
28523
0
28523

w2c_f6693
# Func Hash:
18326758742009889260
# Num Counters:
62
# Counter Values:
243
0
222
21
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
243
19
224
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
243
0
243

w2c_f6696
# Func Hash:
4908127497255084937
# Num Counters:
9
# Counter Values:
1
0
1
0
0
0
0
1
1

w2c_f6702
# Func Hash:
8420938744769239645
# Num Counters:
44
# Counter Values:
12
0
0
0
0
0
12
0
0
0
0
12
0
0
0
0
0
0
0
0
0
0
12
12
12
0
12
0
12
0
12
12
0
0
12
12
0
0
12
12
12
0
0
12

w2c_f6704
# Func Hash:
17352900045151127982
# Num Counters:
16
# Counter Values:
36
0
24
0
0
0
0
0
12
12
12
12
12
36
0
36

w2c_f6710
# Func Hash:
12993021565199145436
# Num Counters:
55
# Counter Values:
28489
0
28489
28489
0
0
28489
28489
28489
28489
28489
28489
28489
28489
0
28489
28489
28489
28489
28489
28489
450452
450452
0
0
0
0
0
0
0
0
450452
0
0
0
0
421963
28489
0
0
28489
0
0
0
0
0
28489
0
0
450452
421963
28489
28489
0
28489

w2c_f6711
# Func Hash:
10523127825013422823
# Num Counters:
5
# Counter Values:
12
0
0
12
12

w2c_f6713
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
36
0
24
0
12
36

w2c_f6714
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
12
0
0
0
12
0
0
0
0
0
0
12
0
12

w2c_f6715
# Func Hash:
6060522924280914721
# Num Counters:
30
# Counter Values:
12
0
12
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
12
12
12
0
12

w2c_f6716
# Func Hash:
9767475131181608775
# Num Counters:
29
# Counter Values:
12
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
12
0
12
0
12

w2c_f6717
# Func Hash:
18007784981452948134
# Num Counters:
94
# Counter Values:
12
0
0
0
0
0
0
0
0
12
0
0
0
25
12
0
0
0
0
0
0
0
0
0
0
0
12
0
0
12
0
0
12
0
0
0
25
12
0
0
0
0
0
0
0
0
0
0
0
0
0
12
12
0
0
0
0
0
0
0
0
0
0
12
12
0
12
0
12
0
0
12
0
0
0
0
0
12
12
12
12
0
12
0
12
0
0
0
0
0
0
12
0
12

w2c_f6718
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
12
0

w2c_f6719
# Func Hash:
255573512492221625
# Num Counters:
6
# Counter Values:
12
0
0
12
0
12

w2c_f6720
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
12
0

w2c_f6721
# Func Hash:
1718961967265037200
# Num Counters:
38
# Counter Values:
24
0
24
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
24
0
24
0
0
24
0
24
0
24
0
0
24
24
24
24
0
0
24

w2c_f6722
# Func Hash:
15588608615027515072
# Num Counters:
9
# Counter Values:
12
0
12
0
0
0
0
0
12

w2c_f6723
# Func Hash:
14522623799285461410
# Num Counters:
17
# Counter Values:
12
0
0
0
0
0
0
0
0
0
0
12
0
12
12
12
12

w2c_f72
# Func Hash:
14190129284399370875
# Num Counters:
6
# Counter Values:
4242
0
0
0
0
4242

w2c_f7234
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
84
0

w2c_f7240
# Func Hash:
6483634520678963563
# Num Counters:
14
# Counter Values:
97
0
97
0
0
0
97
97
0
97
97
97
97
97

w2c_f7241
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
97
0

w2c_f7242
# Func Hash:
9931562432034628107
# Num Counters:
43
# Counter Values:
160
0
0
160
0
160
160
160
132
0
6
8
6
8
0
6
8
132
0
102
102
0
102
0
102
48
0
102
102
0
30
18
28
26
0
18
28
26
0
0
44
0
160

w2c_f7243
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
320
0

w2c_f7244
# Func Hash:
2209239381482932868
# Num Counters:
20
# Counter Values:
102
0
102
0
102
102
0
102
96
6
6
96
88
88
102
102
102
0
102
102

w2c_f7252
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
84
0

w2c_f7253
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
84
0

w2c_f7255
# Func Hash:
13506430094144821183
# Num Counters:
32
# Counter Values:
84
0
68
0
68
22
25
0
25
20
20
22
0
16
0
16
16
16
0
0
0
0
0
0
0
0
0
0
0
0
0
84

w2c_f7271
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
204
0

w2c_f73
# Func Hash:
16668462873379261644
# Num Counters:
5
# Counter Values:
65047
0
0
0
65047

w2c_f7312
# Func Hash:
15414107274595724685
# Num Counters:
8
# Counter Values:
49
0
0
0
0
49
0
49

w2c_f7313
# Func Hash:
1806943788163306368
# Num Counters:
15
# Counter Values:
49
0
49
49
0
0
49
0
0
0
0
0
0
49
49

w2c_f7314
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f7315
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f7317
# Func Hash:
1427920479742640120
# Num Counters:
16
# Counter Values:
59
0
6
0
6
0
14
45
14
45
45
45
45
45
45
59

w2c_f7318
# Func Hash:
11211970264
# Num Counters:
2
# Counter Values:
547
0

w2c_f7319
# Func Hash:
717566097112
# Num Counters:
2
# Counter Values:
26038
0

w2c_f7324
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
34
0

w2c_f7325
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
34
0

w2c_f7339
# Func Hash:
3948610886434341854
# Num Counters:
17
# Counter Values:
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2

w2c_f7340
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
2
0

w2c_f7347
# Func Hash:
7640370472442845942
# Num Counters:
24
# Counter Values:
242548
0
242396
0
222
76
76
70
242472
0
31
84017
172877
64331
14453
178141
92297
150251
338433
273156
273156
188182
177271
242548

w2c_f7348
# Func Hash:
3924684820306473300
# Num Counters:
16
# Counter Values:
1463646
0
216639
214904
5729579
90168
4697476
1158574
917424
546222
1307901
272683
273539
272683
1190963
1463646

w2c_f7354
# Func Hash:
1839528390877657132
# Num Counters:
6
# Counter Values:
84
0
0
84
0
84

w2c_f7355
# Func Hash:
9524712762947958192
# Num Counters:
7
# Counter Values:
84
0
84
0
0
84
84

w2c_f7369
# Func Hash:
4505587505024019707
# Num Counters:
35
# Counter Values:
768
0
3
0
3
3
0
0
0
0
0
0
0
0
0
3
0
3
0
3
3
0
0
0
0
0
0
765
765
0
0
0
765
768
768

w2c_f7370
# Func Hash:
11211970264
# Num Counters:
2
# Counter Values:
771
0

w2c_f7373
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
765
0

w2c_f7374
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
765
0

w2c_f7376
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f7377
# Func Hash:
9098675632881375252
# Num Counters:
30
# Counter Values:
124
0
0
749
625
115
115
8621
4435
4435
4186
4186
4435
2692
2692
8621
8506
124
90
25
9
115
8621
4186
4186
8621
5839
2667
0
124

w2c_f7378
# Func Hash:
18148716964287084889
# Num Counters:
29
# Counter Values:
15463
0
4652
33557
0
0
33557
33557
33557
33557
25223
0
0
8334
8334
8334
8334
6587
26970
0
0
26970
26970
26970
26970
17189
17189
22746
15463

w2c_f7379
# Func Hash:
12231497885148349460
# Num Counters:
5
# Counter Values:
26803
0
0
0
26803

w2c_f7380
# Func Hash:
630696687506192698
# Num Counters:
38
# Counter Values:
8745
0
755
755
0
7990
16156
0
0
16156
16156
16156
16156
14550
14550
8108
0
0
6442
6442
6442
6442
212
0
0
6230
6230
6230
6230
342
13996
8166
0
554
2361
1654
7091
8745

w2c_f7381
# Func Hash:
12231497885148349460
# Num Counters:
5
# Counter Values:
12807
0
0
0
12807

w2c_f7382
# Func Hash:
6594844076798170010
# Num Counters:
5
# Counter Values:
18431
0
18431
0
18431

w2c_f7383
# Func Hash:
12284656274081444935
# Num Counters:
10
# Counter Values:
22554
0
7720
0
14834
14834
55800
40966
0
22554

w2c_f7384
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
18431
0

w2c_f7385
# Func Hash:
717566038872
# Num Counters:
4
# Counter Values:
18431
0
18431
18431

w2c_f7386
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
124
0

w2c_f7387
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
97689
0
0
0
97689
97689
97689
97689

w2c_f7393
# Func Hash:
1978493159247316522
# Num Counters:
12
# Counter Values:
743
0
0
743
743
743
743
743
743
0
743
743

w2c_f7394
# Func Hash:
1978493159247316522
# Num Counters:
12
# Counter Values:
459340
0
0
451241
451241
451241
451241
451171
451241
39
451241
459340

w2c_f7397
# Func Hash:
5719175479731468160
# Num Counters:
32
# Counter Values:
84
0
68
0
68
22
21
20
20
21
21
22
0
6
16
16
6
0
0
0
0
0
0
0
0
0
0
0
0
0
0
84

w2c_f7399
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
142
0

w2c_f7404
# Func Hash:
18142139696401965646
# Num Counters:
21
# Counter Values:
49
0
0
0
49
0
0
0
49
0
196
0
147
0
0
49
147
49
98
49
49

w2c_f7405
# Func Hash:
12737512207626868726
# Num Counters:
8
# Counter Values:
1630984
0
0
1341904
1867824
116322
1578744
1630984

w2c_f7410
# Func Hash:
16848630759998213693
# Num Counters:
15
# Counter Values:
32503
0
6474
26023
26023
77676
26023
51653
32497
42523
10026
68172
35675
32497
32503

w2c_f7411
# Func Hash:
8412203456369218669
# Num Counters:
14
# Counter Values:
563
0
563
563
563
563
3331
242
0
321
2768
563
563
563

w2c_f7426
# Func Hash:
6921460295858884557
# Num Counters:
4
# Counter Values:
84
0
0
84

w2c_f7427
# Func Hash:
717566096216
# Num Counters:
3
# Counter Values:
207
0
23

w2c_f7428
# Func Hash:
717566096216
# Num Counters:
3
# Counter Values:
6902
0
3931

w2c_f743
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
61325
0

w2c_f744
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
61281
0
12
61281

w2c_f746
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
23068436
0

w2c_f7468
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1251
0

w2c_f7469
# Func Hash:
10566607445057260523
# Num Counters:
10
# Counter Values:
1251
0
49
0
1251
1251
0
0
1251
1251

w2c_f7473
# Func Hash:
3282555168816363718
# Num Counters:
14
# Counter Values:
2453
0
2453
2453
2453
2453
124
1587
1587
1587
1587
1587
1587
2453

w2c_f7474
# Func Hash:
12233655138929027764
# Num Counters:
55
# Counter Values:
2453
0
2453
0
0
0
0
2453
2316
137
2316
2192
50
2192
1847
10
8
8
335
1847
1212
315
274
11
11
274
267
267
264
264
260
7
10
2
1
260
274
5
24
6
24
12
12
24
21
9
6
9
6
320
307
307
866
2453
2453

w2c_f7478
# Func Hash:
8013488961136403529
# Num Counters:
90
# Counter Values:
307
0
307
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
307
307
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
307
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
307
245
21
21
62
245
0
245
245
42
42
0
103
5
61
240
5
5
307

w2c_f7479
# Func Hash:
18002436792174736338
# Num Counters:
10
# Counter Values:
65047
0
65047
65047
64740
0
65047
0
0
65047

w2c_f7492
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
34
0

w2c_f7495
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
34
0

w2c_f7498
# Func Hash:
715076879910858185
# Num Counters:
161
# Counter Values:
120
0
29
29
0
46
349
0
0
29
303
17
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
17
0
120

w2c_f7499
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
120
0

w2c_f75
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
70225
0

w2c_f7500
# Func Hash:
188105646674625601
# Num Counters:
4
# Counter Values:
29
0
29
29

w2c_f7501
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
120
0

w2c_f7503
# Func Hash:
3628904196867110921
# Num Counters:
7
# Counter Values:
120
0
796
120
273
273
120

w2c_f7504
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
120
0

w2c_f7505
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
676
0

w2c_f7506
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
676
0

w2c_f7507
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
676
0

w2c_f7508
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
676
0

w2c_f7509
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
120
0

w2c_f7510
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
676
0

w2c_f7511
# Func Hash:
11211970264
# Num Counters:
2
# Counter Values:
676
0

w2c_f7512
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
676
0

w2c_f7513
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
120
0

w2c_f7514
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
676
0

w2c_f7515
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
676
0

w2c_f755
# Func Hash:
163547491454431955
# Num Counters:
7
# Counter Values:
18
0
18
18
0
18
18

w2c_f756
# Func Hash:
15499602805713364268
# Num Counters:
17
# Counter Values:
18
0
14
14
18
18
0
0
0
0
0
0
0
0
18
0
18

w2c_f757
# Func Hash:
1051967268793530273
# Num Counters:
67
# Counter Values:
18
0
4
3
11
11
3
0
0
11
1
0
1
9
10
6
7
3
6
6
0
10
6
5
1
6
14
8
1
1
0
0
0
0
0
0
0
0
0
0
1
0
5
4
4
11
1
8
3
1
2
0
2
2
2
2
0
0
2
6
4
2
0
3
3
3
18

w2c_f758
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
62918
0
31512
62918

w2c_f759
# Func Hash:
514992193577707522
# Num Counters:
37
# Counter Values:
18
0
12
3
3
0
3
0
3
0
6
6
6
0
6
6
3
3
0
0
6
0
6
3
3
3
0
0
0
0
3
3
3
3
18
0
18

w2c_f76
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
1265922
0
0
1265922

w2c_f760
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
63
0

w2c_f761
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
11
0

w2c_f762
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
56
0
21
0
0
0
0
35
35
35
35
56
0
56

w2c_f763
# Func Hash:
14941999430925023842
# Num Counters:
33
# Counter Values:
19736
0
0
0
0
403461
374740
24137
374740
374740
374740
359588
19736
19736
19736
19736
0
0
0
325412
296963
28414
296963
277429
277429
277262
202
202
202
19736
19736
0
19736

w2c_f764
# Func Hash:
12077623575378601447
# Num Counters:
20
# Counter Values:
11660
0
0
11646
11646
235949
223874
6677
223874
223638
223638
217626
11424
11383
11424
11660
0
11660
0
11660

w2c_f765
# Func Hash:
4390851574816547331
# Num Counters:
18
# Counter Values:
7
0
0
7
7
7
0
0
0
0
0
0
7
0
7
7
0
7

w2c_f766
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
28
0
28
0
0
0
0
0
0
0
0
28
0
28

w2c_f767
# Func Hash:
1359552500265116787
# Num Counters:
9
# Counter Values:
2081
0
0
20647
10258
18566
0
0
2081

w2c_f768
# Func Hash:
13272053031961905728
# Num Counters:
53
# Counter Values:
2
0
2
0
2
0
2
0
0
2
6
4
2
0
2
2
2
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2

w2c_f769
# Func Hash:
12223027824074164358
# Num Counters:
43
# Counter Values:
35
0
35
35
35
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
35
35
0
35
35
35
35

w2c_f77
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1265862
0

w2c_f770
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
111849
0

w2c_f771
# Func Hash:
5234298808256604624
# Num Counters:
14
# Counter Values:
111849
0
0
0
111849
0
0
0
0
0
0
111849
0
111849

w2c_f772
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
1473
0
0
0
1473
1473
1473
1473

w2c_f776
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
1473
0
0
0
1424
0
0
49
49
49
49
1473
0
1473

w2c_f777
# Func Hash:
10655916337954362091
# Num Counters:
50
# Counter Values:
4384
0
0
0
2
0
4382
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
4382
0
0
4382
4382
4382
4382
4382
0
0
0
0
0
0
0
0
0
0
0
0
0
2
4384

w2c_f778
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1516
0

w2c_f779
# Func Hash:
14767679763882516357
# Num Counters:
33
# Counter Values:
519
0
0
0
0
488
0
0
0
0
519
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
519

w2c_f78
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f781
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
1180
0

w2c_f7820
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f783
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
1180
0

w2c_f787
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
6
0

w2c_f789
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
6
0

w2c_f79
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f791
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
9
0

w2c_f796
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
9
0

w2c_f797
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
518
0

w2c_f798
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
38
0

w2c_f799
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
518
0

w2c_f803
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
38
0

w2c_f804
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
7708
0

w2c_f805
# Func Hash:
9035420950204357764
# Num Counters:
12
# Counter Values:
2076
0
0
0
0
0
0
0
0
2076
0
2076

w2c_f813
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
518
0
0
518

w2c_f814
# Func Hash:
15009797101675522513
# Num Counters:
10
# Counter Values:
1424
0
1424
1424
0
0
1424
1424
1424
1424

w2c_f815
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
46
0
0
0
46
46
46
46

w2c_f816
# Func Hash:
2505464553296432226
# Num Counters:
18
# Counter Values:
1470
0
0
1470
1470
1470
0
0
0
0
0
1470
1470
1470
1470
1470
0
1470

w2c_f817
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
92
0

w2c_f818
# Func Hash:
408760580182425579
# Num Counters:
23
# Counter Values:
807093
0
94
806674
806674
804315
2684
0
169
1120
1120
1054
2684
0
0
2684
2684
2684
2684
0
806999
0
807093

w2c_f819
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
110
0

w2c_f820
# Func Hash:
160320938362483711
# Num Counters:
26
# Counter Values:
17493
0
0
30
17421
72
65
0
0
3
69
69
69
72
0
0
72
72
72
72
72
72
0
0
17493
17493

w2c_f821
# Func Hash:
801879797202499806
# Num Counters:
10
# Counter Values:
37
0
0
0
37
37
37
37
0
37

w2c_f822
# Func Hash:
14718980485923306686
# Num Counters:
74
# Counter Values:
116866
0
38
36786
251755
0
251755
5
0
5353
0
0
0
0
0
0
0
0
0
155289
0
0
0
16424
0
0
0
0
74684
0
36786
0
19087
0
0
0
0
0
0
0
0
0
0
0
0
4460
0
4155
9084
19087
1
121366
0
4085
0
0
0
98197
19084
19084
102282
0
102282
102280
4460
0
16
16
4155
0
1
1
80037
116866

w2c_f823
# Func Hash:
6764695968776874660
# Num Counters:
20
# Counter Values:
116923
0
116923
116923
16
228060
116916
111122
116916
116885
323
0
0
31
0
0
0
292
116885
116923

w2c_f825
# Func Hash:
17275994150549984423
# Num Counters:
86
# Counter Values:
1110
0
0
40682
0
40307
133
121
121
0
0
0
0
0
0
0
0
0
0
0
121
121
133
12
121
12
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
12
12
0
0
0
0
0
12
0
0
0
0
12
12
12
121
121
121
0
121
0
40307
0
0
1110
39197
39197
133
1110
0
1110
0
0
39064
1110
0
133
39572
39572
1110

w2c_f826
# Func Hash:
5472006171077747242
# Num Counters:
62
# Counter Values:
16
0
0
0
492
0
36
2
162
228
228
74
74
0
42
74
74
74
74
58
58
28
44
14
58
30
42
14
58
74
16
228
456
492
0
476
16
16
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
16
0
16

w2c_f827
# Func Hash:
1595812261203984898
# Num Counters:
8
# Counter Values:
5
0
146
2
3
141
0
5

w2c_f828
# Func Hash:
12609110473496206175
# Num Counters:
23
# Counter Values:
109102
0
0
0
109102
0
0
109102
0
109102
0
0
0
0
0
0
109102
0
0
109064
109102
0
109102

w2c_f831
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
129
0

w2c_f832
# Func Hash:
11211970253
# Num Counters:
3
# Counter Values:
3162
0
1

w2c_f833
# Func Hash:
35106410812821385
# Num Counters:
31
# Counter Values:
1419
0
0
0
1419
0
0
1419
0
1419
0
0
0
0
0
0
1419
0
0
0
0
0
0
0
0
0
0
0
1419
0
1419

w2c_f834
# Func Hash:
5271514655605804118
# Num Counters:
158
# Counter Values:
37507
0
0
37504
37504
0
12737
20955
3812
3812
3812
3812
3812
20955
8809
12146
12146
12146
12146
0
8809
8809
0
20955
0
24767
0
24767
8809
12737
0
12737
0
0
12737
12728
12728
12010
0
12010
11994
0
11994
9788
1
20898
0
0
0
0
0
0
0
0
0
0
20898
18693
2206
0
0
0
0
0
0
0
0
0
0
0
0
0
9788
0
0
5394
0
0
0
0
4394
0
0
4394
4394
0
5394
2211
0
15364
0
3175
12189
12189
0
0
15
12174
12174
12174
356
0
12174
12165
4
12165
0
0
0
0
12165
0
0
0
0
0
0
0
0
0
12174
0
15364
0
15364
0
12165
5
0
0
19
3175
0
3175
17
3175
2653
2653
12184
12181
8
0
0
0
0
0
8
8
8
8
2211
2210
9
37504
0
37507
0
37507

w2c_f835
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
8809
0
8809
8809

w2c_f836
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
9
0
9
9

w2c_f837
# Func Hash:
11270221564002758314
# Num Counters:
9
# Counter Values:
718
0
718
718
0
718
718
0
718

w2c_f838
# Func Hash:
11270221564002758314
# Num Counters:
9
# Counter Values:
16
0
16
16
0
16
16
0
16

w2c_f839
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
2206
0
2206
2206

w2c_f840
# Func Hash:
11270221564002758314
# Num Counters:
9
# Counter Values:
4394
0
4394
4394
0
4394
4394
0
4394

w2c_f841
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
3183
0
3183
3183

w2c_f842
# Func Hash:
12510576410261457230
# Num Counters:
170
# Counter Values:
522
0
1
0
0
521
0
521
0
0
0
0
0
0
521
0
522
522
0
522
0
0
522
1
0
4
0
0
517
0
517
0
0
0
0
0
0
517
0
0
0
517
0
1
1
517
0
0
517
0
0
0
0
517
0
517
0
0
0
0
0
0
517
0
516
0
0
0
0
0
1
1
1
1
1
0
6
4
0
0
0
0
2
0
2
0
0
0
0
0
0
2
0
0
0
2
0
516
0
518
0
0
518
518
518
518
518
518
518
0
0
518
518
518
518
0
0
518
0
0
518
518
0
0
0
518
0
0
0
0
518
0
0
1
3
0
0
518
0
0
0
0
0
518
518
518
518
522
1
0
4
0
0
517
517
517
517
522
518
0
0
0
0
4
4
4
4
522
0
522

w2c_f843
# Func Hash:
4889769574627092500
# Num Counters:
18
# Counter Values:
6
0
2
2
1
2
0
2
0
2
0
2
2
2
0
2
0
6

w2c_f844
# Func Hash:
12046114691907431992
# Num Counters:
57
# Counter Values:
811
0
0
0
811
0
1
810
1
0
810
0
0
810
0
0
810
0
810
810
0
810
11
810
0
0
810
11
0
0
0
810
0
810
0
0
0
0
0
0
810
11
0
799
0
0
0
0
0
0
810
0
811
1
811
0
811

w2c_f845
# Func Hash:
2081528386219055193
# Num Counters:
26
# Counter Values:
12
0
0
35490
35482
35482
35295
4
35295
0
4
0
4
0
0
0
0
0
0
0
0
0
0
0
0
12

w2c_f8450
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f846
# Func Hash:
12633069746429383793
# Num Counters:
57
# Counter Values:
40
0
0
0
0
18
0
0
0
0
0
0
0
22
22
18
0
40
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
40
0
0
0
0
0
0
40
0
0
0
0
0
0
0
40
40
36
0
40
40
0
40

w2c_f847
# Func Hash:
7669088161281298260
# Num Counters:
4
# Counter Values:
6729
0
0
6729

w2c_f848
# Func Hash:
12107966328102053019
# Num Counters:
19
# Counter Values:
46
0
0
17496
0
3
17493
0
0
16911
36
36
0
16911
7
0
0
3
46

w2c_f849
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
518
0

w2c_f850
# Func Hash:
13291406107098043631
# Num Counters:
11
# Counter Values:
518
0
0
0
0
0
518
518
518
518
518

w2c_f854
# Func Hash:
8075539489133605671
# Num Counters:
14
# Counter Values:
519
0
0
0
519
0
0
0
0
0
0
519
0
519

w2c_f87
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
4242
0
4242
4242

w2c_f88
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
2787
0
2787
2787

w2c_f89
# Func Hash:
12507268601905965557
# Num Counters:
8
# Counter Values:
977
0
0
0
0
0
0
977

w2c_f8926
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f8929
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
34
0
34
34

w2c_f893
# Func Hash:
13319043797859336378
# Num Counters:
53
# Counter Values:
147
0
62
62
24
0
0
0
0
0
0
38
0
38
0
0
0
0
0
0
38
0
38
0
0
0
0
0
0
62
0
0
62
0
0
0
0
0
0
62
24
24
0
0
0
0
24
24
24
24
147
0
147

w2c_f8930
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
34
0

w2c_f8932
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
824423
0
824423
824423

w2c_f8933
# Func Hash:
16938666576718092713
# Num Counters:
13
# Counter Values:
824423
0
824423
824423
824423
0
0
0
0
0
0
0
824423

w2c_f8936
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
823080
0

w2c_f8937
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
823080
0

w2c_f894
# Func Hash:
9113240213593184127
# Num Counters:
26
# Counter Values:
38
0
0
0
38
0
0
38
0
0
0
0
0
0
38
0
38
0
0
0
0
0
0
38
0
38

w2c_f895
# Func Hash:
13642476151354509788
# Num Counters:
58
# Counter Values:
38
0
0
38
0
0
0
0
0
0
0
0
0
0
38
0
38
0
38
0
0
0
0
0
0
38
0
3336
0
0
3336
3336
3336
3336
0
0
288
288
0
212
288
288
288
0
288
38
4290
4040
288
38
3336
3336
3298
38
0
0
0
38

w2c_f896
# Func Hash:
8583181587590300646
# Num Counters:
26
# Counter Values:
38
0
0
38
0
0
0
0
0
38
38
38
38
38
0
0
0
0
0
38
38
38
38
38
0
38

w2c_f897
# Func Hash:
15913320930404866154
# Num Counters:
6
# Counter Values:
1386
0
0
0
0
1386

w2c_f898
# Func Hash:
6066818205143026564
# Num Counters:
16
# Counter Values:
1386
0
0
0
0
1386
1386
1386
1386
0
0
0
1386
1386
0
1386

w2c_f899
# Func Hash:
16194472079175996050
# Num Counters:
12
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
49

w2c_f901
# Func Hash:
11951654157169508046
# Num Counters:
30
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
49
49
49
49
49
0
49
49
0
0
0
0
0
0
49
3
49
0
49

w2c_f902
# Func Hash:
14121447819432147668
# Num Counters:
6
# Counter Values:
132
0
94
0
38
132

w2c_f903
# Func Hash:
4696984784218091732
# Num Counters:
12
# Counter Values:
36
0
36
36
36
0
0
36
252
216
36
36

w2c_f907
# Func Hash:
2277496804615762573
# Num Counters:
41
# Counter Values:
49
0
0
0
49
0
0
49
0
0
0
0
0
0
49
3
0
0
46
46
46
46
0
0
46
46
3
3
3
0
0
0
0
3
3
3
3
49
0
0
49

w2c_f908
# Func Hash:
5338012253048839198
# Num Counters:
12
# Counter Values:
46
0
0
0
0
46
46
0
0
0
46
46

w2c_f909
# Func Hash:
1391309175912641817
# Num Counters:
7
# Counter Values:
49
0
0
3
49
0
49

w2c_f91
# Func Hash:
188105628555743320
# Num Counters:
4
# Counter Values:
1265922
0
1265922
1265922

w2c_f910
# Func Hash:
11565909050587141122
# Num Counters:
106
# Counter Values:
46
0
10
34
1
1
10
0
0
35
0
1
0
34
0
0
0
0
0
0
34
0
0
0
34
34
34
34
0
34
0
0
0
0
0
0
34
33
2
0
2
0
0
0
0
0
0
0
0
2
0
0
0
0
2
2
2
2
1
0
1
0
0
0
0
0
0
34
34
0
0
0
0
0
0
0
0
0
0
0
0
0
34
34
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
46
0
46

w2c_f911
# Func Hash:
16312065677106667723
# Num Counters:
15
# Counter Values:
46
0
10
0
36
0
36
36
36
36
36
36
0
36
46

w2c_f912
# Func Hash:
11155939290667464367
# Num Counters:
41
# Counter Values:
36
0
29
0
29
1
0
28
35
35
35
7
1
28
1
28
1
0
34
34
0
0
0
0
0
0
0
0
0
0
0
0
0
34
7
7
35
0
35
0
36

w2c_f913
# Func Hash:
9387886289546000967
# Num Counters:
177
# Counter Values:
14
0
14
14
4581
4581
4581
3063
1518
1518
1518
34
34
0
6
34
34
34
0
34
14
26
6
34
14
34
1518
19
19
0
38
19
3063
2671
0
2671
2671
0
2671
2667
0
0
0
4
4
4
4
4
4
0
0
4
4
4
4
1
0
4
0
3
0
0
1
1
1
1
4
4
4
0
0
0
0
0
0
0
0
2667
2558
0
98
98
0
0
98
98
98
98
74
0
98
0
24
0
0
74
74
74
74
98
24
24
24
24
0
24
0
0
0
0
0
0
24
24
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
109
0
109
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
3063
4581
4581
4581
4567
0
0
0
14
14
14
3
3
14
0
14

w2c_f914
# Func Hash:
13391950092133497993
# Num Counters:
55
# Counter Values:
37
0
37
0
0
0
0
0
0
0
0
37
37
37
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
37
0
37

w2c_f915
# Func Hash:
2988794983968571990
# Num Counters:
28
# Counter Values:
107
0
0
3
0
0
104
0
104
0
0
0
0
0
0
104
0
0
104
0
0
0
0
0
0
107
0
107

w2c_f916
# Func Hash:
3852210066296392003
# Num Counters:
15
# Counter Values:
2
0
1
1
0
1
0
0
0
0
0
0
1
0
2

w2c_f918
# Func Hash:
14532149949527191117
# Num Counters:
26
# Counter Values:
64
0
36
64
0
64
7
28
113
0
0
57
57
0
113
0
113
56
1
27
30
29
27
27
27
64

w2c_f919
# Func Hash:
843460941923799629
# Num Counters:
237
# Counter Values:
7
0
0
0
0
7
7
7
7
0
0
7
0
7
0
0
0
0
0
0
7
0
7
7
0
0
7
7
0
0
7
7
7
7
0
0
7
0
7
0
0
0
0
0
0
7
0
0
7
0
0
7
7
7
7
7
7
0
0
0
0
7
7
0
0
7
7
7
0
7
7
0
0
7
7
7
7
0
7
0
0
0
0
0
0
7
0
7
0
0
0
0
0
0
7
0
7
0
0
0
0
0
0
0
0
0
7
0
7
0
0
0
0
0
0
7
7
7
0
7
7
21
0
0
21
21
21
21
21
21
0
7
21
21
21
0
21
7
21
7
21
7
21
21
14
7
0
7
0
0
0
0
0
0
7
7
7
7
7
21
0
21
21
7
0
0
7
7
7
0
0
0
7
0
0
0
0
0
0
7
7
7
7
0
0
7
7
0
7
7
7
7
7
7
0
21040
0
0
7
21033
7
7
0
7
0
0
0
0
7
7
7
7
7
0
7
0
7
0
7
0
0
0
0
0
0
7
0
0
0
0
7
7
7
7
7
0
7

w2c_f92
# Func Hash:
7806410233103516822
# Num Counters:
7
# Counter Values:
83908
0
0
0
83908
0
83908

w2c_f920
# Func Hash:
5029316244850254582
# Num Counters:
16
# Counter Values:
56
0
29
10281
0
27
10254
0
0
27
27
10254
0
10281
10254
56

w2c_f921
# Func Hash:
990235419069469499
# Num Counters:
26
# Counter Values:
29
0
0
29
0
0
0
0
29
29
29
29
1
0
29
0
28
0
0
1
1
1
1
29
0
29

w2c_f922
# Func Hash:
17040969304034102762
# Num Counters:
33
# Counter Values:
35
0
35
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
35

w2c_f923
# Func Hash:
4560335116325528194
# Num Counters:
25
# Counter Values:
27
0
0
27
0
0
27
27
27
27
27
27
0
27
27
0
0
0
0
0
0
0
0
0
27

w2c_f924
# Func Hash:
15646770510631277955
# Num Counters:
40
# Counter Values:
37
0
0
37
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
37
0
37

w2c_f928
# Func Hash:
12754668937586509125
# Num Counters:
30
# Counter Values:
702
0
7
1
0
702
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
702

w2c_f929
# Func Hash:
17676455106880415352
# Num Counters:
116
# Counter Values:
21040
0
0
21040
21040
0
0
0
0
0
0
0
21040
0
21040
0
21040
0
7
1297
19736
0
7
0
0
0
7
7
0
0
0
7
7
0
0
0
0
7
0
7
0
7
0
7
19736
0
0
0
0
0
0
0
19736
0
59208
39472
19736
0
19736
0
0
19736
379974
360238
19736
19736
0
0
0
0
19736
19736
0
0
0
0
19736
0
19736
0
19736
1297
0
0
0
0
1297
1297
0
0
0
0
1297
0
3891
2594
1297
1297
0
0
0
0
0
0
0
0
1297
0
1297
0
1297
0
1297
19736
0
21040

w2c_f93
# Func Hash:
5696261670794762318
# Num Counters:
11
# Counter Values:
728567
0
0
0
728567
0
0
728567
0
0
728567

w2c_f930
# Func Hash:
98336198040942770
# Num Counters:
30
# Counter Values:
35
0
0
35
35
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
35
0
0
0
35
0
35
35
0
35

w2c_f933
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
105
0
70
105

w2c_f935
# Func Hash:
8109102844940152771
# Num Counters:
61
# Counter Values:
57
0
0
28
29
29
28
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
28
37
28
37
37
10284
10256
10256
10255
0
0
0
0
0
0
0
0
0
0
1
0
0
0
0
0
0
0
0
0
10255
10283
10247
9
28
57

w2c_f936
# Func Hash:
13339988228811469454
# Num Counters:
36
# Counter Values:
28
0
0
0
0
0
28
0
0
28
0
0
0
0
0
0
0
0
0
0
28
28
28
0
28
0
28
28
0
0
28
28
28
0
0
28

w2c_f94
# Func Hash:
14674516773417686756
# Num Counters:
8
# Counter Values:
124
0
0
0
124
0
0
124

w2c_f942
# Func Hash:
9841184683349951908
# Num Counters:
51
# Counter Values:
2043
0
0
2043
0
0
2043
33933
31890
2043
2043
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
2043
0
2043
0
0
0
657
1386
0
657
0
1386
0
2043
0
2043
0
0
0
0
0
2043
0
2043
2043

w2c_f943
# Func Hash:
2116582109730207052
# Num Counters:
85
# Counter Values:
1386
0
0
1386
252
0
252
0
1386
7
4188
1159
2809
0
31
38
0
0
0
0
38
21
0
21
0
0
38
21
38
38
38
0
0
0
38
38
38
38
0
0
38
0
38
0
0
0
0
0
0
38
7
82
27
34
27
27
27
17
38
17
38
38
38
38
0
38
0
0
0
0
0
0
38
0
59
21
0
0
0
0
38
21
38
38
1386

w2c_f95
# Func Hash:
188105647748367425
# Num Counters:
4
# Counter Values:
1527325
0
714910
1527325

w2c_f955
# Func Hash:
175187032
# Num Counters:
2
# Counter Values:
49
0

w2c_f956
# Func Hash:
7511623700681432607
# Num Counters:
91
# Counter Values:
49
0
49
0
0
0
0
0
0
0
0
0
0
0
0
0
49
0
0
49
49
49
49
16
49
49
0
0
0
0
0
0
49
49
49
0
0
0
49
49
49
49
49
0
0
0
49
49
49
49
49
16
27
18
0
0
18
0
0
0
0
0
0
18
12
33
49
49
0
0
0
0
0
0
0
0
49
15
0
34
0
0
0
0
0
0
49
0
49
0
49

w2c_f957
# Func Hash:
188105645600883777
# Num Counters:
4
# Counter Values:
98
0
98
98

w2c_f958
# Func Hash:
2737297
# Num Counters:
2
# Counter Values:
49
0

w2c_f959
# Func Hash:
13052776420254900519
# Num Counters:
5
# Counter Values:
2043
0
2043
2043
2043

w2c_f96
# Func Hash:
15597854883688851137
# Num Counters:
8
# Counter Values:
43361
0
0
0
0
43361
0
43361

w2c_f960
# Func Hash:
15475510542539761831
# Num Counters:
29
# Counter Values:
36
0
1
34
0
1
0
0
0
0
0
0
36
35
35
0
36
1
0
35
0
0
0
0
0
0
36
0
36

w2c_f961
# Func Hash:
11792195226140566761
# Num Counters:
31
# Counter Values:
36
0
0
3
3
3
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
36

w2c_f962
# Func Hash:
2760751167949655632
# Num Counters:
43
# Counter Values:
36
0
35
35
33
33
0
0
0
33
0
0
0
0
0
0
0
33
0
0
0
0
33
0
0
0
0
0
0
33
33
0
0
0
0
0
0
0
0
0
36
0
36

w2c_f963
# Func Hash:
12350258777419684365
# Num Counters:
24
# Counter Values:
28535
0
28535
0
0
28535
0
0
28535
28535
28535
0
28535
0
28535
28535
0
0
28535
28535
28535
0
0
28535

w2c_f964
# Func Hash:
12854024903318683130
# Num Counters:
4
# Counter Values:
339
0
339
339

w2c_f965
# Func Hash:
13985593295350191108
# Num Counters:
7
# Counter Values:
49
0
0
49
49
15
49

w2c_f967
# Func Hash:
9722453166413229688
# Num Counters:
11
# Counter Values:
33
0
0
0
0
33
0
33
33
0
33

w2c_f968
# Func Hash:
11940613304819191021
# Num Counters:
112
# Counter Values:
33
0
1
1
0
1
0
1
1
0
0
1
1
0
1
0
1
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
1
0
0
1
0
0
1
0
0
0
0
0
0
1
0
1
0
0
0
0
0
1
0
1
0
0
0
1
0
0
0
0
0
0
1
0
1
1
0
1
0
0
0
0
0
0
33
0
33
0
0
0
0
0
0
33
0
33

w2c_f969
# Func Hash:
17352900045151127982
# Num Counters:
16
# Counter Values:
99
0
66
0
0
33
0
0
0
0
0
0
33
99
0
99

w2c_f97
# Func Hash:
2818007264542510177
# Num Counters:
9
# Counter Values:
340270
0
0
0
0
340270
0
0
340270

w2c_f970
# Func Hash:
5873475200639534783
# Num Counters:
149
# Counter Values:
803
0
0
0
0
0
803
803
0
0
0
0
0
0
0
0
0
0
0
803
803
0
0
0
0
0
0
0
0
0
0
803
0
803
0
803
803
803
803
498
0
0
0
0
0
0
0
0
0
0
0
0
498
447
12
39
0
0
0
0
0
0
0
0
39
12
51
498
459
498
459
39
0
498
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
498
51
0
447
0
0
0
0
0
0
498
0
0
0
498
0
0
0
0
0
803
737
0
0
66
0
0
0
0
0
0
66
803
0
803
0
0
0
0
0
0
803
0
803
0
0
0
0
0
0
803
803
0
803

w2c_f971
# Func Hash:
6969076372044155314
# Num Counters:
33
# Counter Values:
45
0
0
5
45
0
0
45
12
12
17
5
45
33
17
17
0
0
0
0
0
0
0
0
17
5
45
33
45
0
0
0
45

w2c_f973
# Func Hash:
16352010473178374133
# Num Counters:
60
# Counter Values:
610
0
0
0
0
305
0
0
0
305
305
305
305
0
0
305
0
305
0
0
0
0
0
0
305
305
305
305
305
305
305
0
0
0
305
0
0
0
0
0
0
0
305
272
33
33
33
305
33
0
272
0
0
0
0
0
0
610
0
610

w2c_f974
# Func Hash:
9849536911295322460
# Num Counters:
16
# Counter Values:
610
0
0
0
0
0
610
0
0
0
0
0
0
0
0
610

w2c_f98
# Func Hash:
6921460295858884557
# Num Counters:
4
# Counter Values:
812475
0
812475
812475

w2c_f981
# Func Hash:
13850652120609351643
# Num Counters:
34
# Counter Values:
1
0
0
1
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1
0
1
0
1
0
0
0
0
0
0
1
0
1

w2c_f983
# Func Hash:
16720151998180077248
# Num Counters:
8
# Counter Values:
107
0
0
0
107
107
107
107

w2c_f985
# Func Hash:
6781081342420663716
# Num Counters:
8
# Counter Values:
1
0
0
0
1
1
1
1

w2c_f988
# Func Hash:
11246373934398132164
# Num Counters:
11
# Counter Values:
8
0
0
8
0
0
8
0
8
0
8

w2c_f99
# Func Hash:
9788431969012296955
# Num Counters:
8
# Counter Values:
449640
0
0
449640
0
449640
0
449640

w2c_f990
# Func Hash:
11246373934398132164
# Num Counters:
11
# Counter Values:
2
0
0
2
0
0
2
0
2
0
2

w2c_free
# Func Hash:
14582380993310977287
# Num Counters:
96
# Counter Values:
2221352
0
936
2002520
0
0
452
60613
109640
60613
27741
27741
26101
26101
25086
2655
3965
723
587
452
253
109640
25086
60613
28986
22575
1059
22575
12497
12497
22575
17093
6541
3996
6541
4665
2220217
0
0
1329618
885319
5187
885319
377173
377173
128589
156585
156585
128589
73602
73602
71936
71936
70781
2821
4094
735
538
1329618
70781
128589
52908
44374
899
44374
23188
23188
44374
40373
4900
2641
4900
3317
377173
377013
1706631
277200
933152
933152
1429431
277200
0
277200
277200
221422
221422
0
713684
125966
492262
151234
125966
277200
277200
283323
2221352

w2c_malloc
# Func Hash:
1195228409771158703
# Num Counters:
243
# Counter Values:
2222206
0
144903
94067
1028874
679703
679703
1048429
1028874
963468
53629
11777
3695
3695
11777
4371
2863
2863
7406
11777
53629
52474
1155
1451
207
1155
296
163
163
1155
1138
1138
1078
1078
1041
97
120
15
8
144903
0
3957
0
140946
140946
103229
103229
0
292638
113153
129503
242656
121364
176201
189409
90964
35955
11045
43964
79919
15133
114768
185844
55018
185844
71650
71650
71076
129901
0
1168
84831
84831
79508
79508
75967
8864
11624
1573
1187
1032112
58524
4693
4693
973588
58524
1202
1202
49
49
1202
0
1202
0
0
1202
0
49
1153
0
1153
0
0
49
0
0
49
0
49
0
0
49
0
1153
1153
0
0
0
0
0
1153
1153
0
0
0
0
0
0
1202
0
1202
49
1153
1153
0
49
49
0
49
49
1568
1519
1153
0
0
0
1041
75967
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
0
1202
0
0
0
128733
0
79594
7266
79594
34992
34992
79594
34094
52766
29841
52766
32575
128733
70074
70074
42012
13363
13363
28062
42012
0
42012
42012
16483
16483
0
42278
5814
25795
36198
5814
128733
1155
0
147
101
147
21
21
147
134
114
87
114
101
1155
1153
1153
432
235
235
721
1153
1155
2222206

wasm_rt_allocate_funcref_table
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

wasm_rt_allocate_memory
# Func Hash:
45786786825361
# Num Counters:
3
# Counter Values:
49
0
0

wasm_rt_free_funcref_table
# Func Hash:
0
# Num Counters:
1
# Counter Values:
34

wasm_rt_free_memory
# Func Hash:
0
# Num Counters:
1
# Counter Values:
34

wasm_rt_grow_funcref_table
# Func Hash:
2396309266558610456
# Num Counters:
7
# Counter Values:
98
0
0
98
98
0
98

wasm_rt_init
# Func Hash:
0
# Num Counters:
1
# Counter Values:
49

wasm_rt_register_func_type
# Func Hash:
18170663180543832215
# Num Counters:
5
# Counter Values:
9506
45864
6027
828982
490

