/* A name-base library; built without _TPutActive it is still complete, built with
   NAMEBASE_INCOMPLETE it lacks _TGetMark. It keeps the arguments of its last calls for the tests. */
#include <stdint.h>

static int32_t wposA = -1, wposB = -1;
static int32_t limits[5];
static int32_t limitCalls;

void _TPutLimit(int32_t north, int32_t south, int32_t west, int32_t east, int32_t limit)
{
    limits[0] = north;
    limits[1] = south;
    limits[2] = west;
    limits[3] = east;
    limits[4] = limit;
    ++limitCalls;
}
void _TPut_Cursor(int32_t x, int32_t y) { (void)x; (void)y; }
void _TPutWPos(int32_t a, int32_t b) { wposA = a; wposB = b; }
#ifndef NAMEBASE_INCOMPLETE
int32_t _TGetMark(int32_t* x, int32_t* y) { *x = 0; *y = 0; return 0; }
#endif
static int32_t activeState;
int32_t _TGetActive(void) { return activeState; }

/* The state _TGetActive gives from now on. */
void test_set_active(int32_t state) { activeState = state; }
int32_t test_wpos_a(void) { return wposA; }
int32_t test_wpos_b(void) { return wposB; }
/* The last _TPutLimit arguments in call order (0 north .. 4 limit), and how many calls came. */
int32_t test_limit(int32_t index) { return index >= 0 && index < 5 ? limits[index] : 0; }
int32_t test_limit_calls(void) { return limitCalls; }
