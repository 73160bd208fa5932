#pragma once

#include <cstddef>
#include <cstdint>

// Entry points of the fuzz targets: each feeds untrusted bytes to one decoder of
// what the server sends and must end in a value or a clean exception.
void FuzzTableDecoder(const uint8_t* data, size_t size);
void FuzzCallAnswer(const uint8_t* data, size_t size);
void FuzzRecordDecoder(const uint8_t* data, size_t size);
