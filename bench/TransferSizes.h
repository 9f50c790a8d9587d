#pragma once
// The byte counts of a transfer of the whole unit, from which the
// benchmarks work out how long the bytes alone take on a MIDI cable.
namespace bench {

constexpr int kPatches = 120;
constexpr int kMemoryPatches = 60;
// A data request and the data set that answers it.
constexpr int kRequestBytes = 17;
constexpr int kDataSetBytes = 141;
// An identity request and its reply.
constexpr int kIdentityBytes = 6 + 15;
// How many identity checks a Read All makes.
constexpr int kReadAllIdentityChecks = 8;

} // namespace bench
