/* A name-base library; built without _TPutActive it is still complete, built with
   NAMEBASE_INCOMPLETE it lacks _TGetMark. */
#include <stdint.h>

static int32_t wposA = -1, wposB = -1;

void _TPutLimit(int32_t w, int32_t s, int32_t e, int32_t n) { (void)w; (void)s; (void)e; (void)n; }
void _TPut_Cursor(int32_t x, int32_t y) { (void)x; (void)y; }
void _TPutWPos(int32_t a, int32_t b) { wposA = a; wposB = b; }
#ifndef NAMEBASE_INCOMPLETE
int32_t _TGetMark(int32_t* x, int32_t* y) { *x = 0; *y = 0; return 0; }
#endif
int32_t _TGetActive(void) { return 0; }

int32_t test_wpos_a(void) { return wposA; }
int32_t test_wpos_b(void) { return wposB; }
