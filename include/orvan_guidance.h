/* Entry points of the colour-guidance library, libHueAdvisor.so, with C
 * linkage.
 *
 * GetHueAdvisorID takes the current choices and answers an identifier for
 * them (negative: no guidance). GetGuidanceColorCode fills the three answer
 * buffers for that identifier with colours (0xBBGGRR), the last cell of a
 * grid first, and answers a bit set of the buffers it filled: bit 0 the front
 * retransfer grid, bit 1 the back grid, bit 2 the bend remedy grid
 * (negative: failure). A buffer holds HUE_BUFFER_SIZE values; the caller
 * reads only the first 30.
 */
#ifndef ORVAN_GUIDANCE_H
#define ORVAN_GUIDANCE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define HUE_BUFFER_SIZE 129

int32_t GetHueAdvisorID(int32_t card, int32_t row, int32_t frontSpeed, int32_t backSpeed,
                        int32_t bendRow, int32_t bendColumn);
int32_t GetGuidanceColorCode(int32_t id, int32_t* front, int32_t* back, int32_t* bend);

#ifdef __cplusplus
}
#endif

#endif /* ORVAN_GUIDANCE_H */
