// The source names this header as Windows spells it; MinGW ships it in lower case.
#include <powrprof.h>
