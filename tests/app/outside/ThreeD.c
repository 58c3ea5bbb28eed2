/* A 2D/3D exchange library; built with THREED_INCOMPLETE it lacks _tGetStatC. */
#include <stdint.h>

static int32_t statusA, statusB, statusC;

void _tPutRec(void* record, int32_t length) { (void)record; (void)length; }
void _tGetRec(void* record, int32_t length) { (void)record; (void)length; }
void _tPutStatA(int32_t s) { statusA = s; }
int32_t _tGetStatA(void) { return statusA; }
void _tPutStatB(int32_t s) { statusB = s; }
int32_t _tGetStatB(void) { return statusB; }
void _tPutStatC(int32_t s) { statusC = s; }
#ifndef THREED_INCOMPLETE
int32_t _tGetStatC(void) { return statusC; }
#endif
