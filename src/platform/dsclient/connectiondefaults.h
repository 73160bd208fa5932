#pragma once

// Defaults of the connection time-outs. The platform layer knows no deployment
// values: callers that have their own (from the deployment settings) set them on
// the connection; everything else starts from these.
namespace dsclient {

// Connecting, and the first protocol answer of an open, must come within this.
inline constexpr int kDefaultConnectTimeoutMs = 5000;
// A call's answer must be complete within this; big tables take a while.
inline constexpr int kDefaultResponseTimeoutMs = 120000;

} // namespace dsclient
