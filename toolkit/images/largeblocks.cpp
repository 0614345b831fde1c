#include "largeblocks.h"

#include <malloc.h>

namespace toolkit {

void giveLargeBlocksBack()
{
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
}

} // namespace toolkit
