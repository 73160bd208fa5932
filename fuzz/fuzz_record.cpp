#include "decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzRecordDecoder(data, size);
    return 0;
}
