// Built only by the layering tests, which expect the include below to fail:
// its target does not link the library that owns the header.
#include PARQUETIX_PROBE_HEADER
