#include "decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzCallAnswer(data, size);
    return 0;
}
