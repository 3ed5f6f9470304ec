// The two pieces of a WeatherKit developer token that need OpenSSL: the
// unpadded base64url text of JSON Web Tokens and the ES256 signature.
//
// The private key arrives as PEM text and leaves only as a signature; nothing
// here keeps, copies or reports its bytes. Callers wipe their own copy of the
// PEM text with wipeSecret() once they are done.
//
//   auto sig = jwt::signEs256(pemText, "eyJhbGci…header.eyJpc3Mi…payload");
//   token += "." + jwt::base64Url(*sig);
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvane::platform::jwt {

// RFC 4648 §5 alphabet ("-" and "_"), no "=" padding.
std::string base64Url(std::string_view bytes);

// ECDSA P-256 with SHA-256 over `message`, as the 64-byte r‖s form JSON Web
// Signatures use (not OpenSSL's DER encoding). The key must be the first PEM
// block of `pem`, labelled "PRIVATE KEY" (unencrypted PKCS#8) and on the
// P-256 curve; any other text, label, key type or curve gives nullopt.
std::optional<std::string> signEs256(std::string_view pem, std::string_view message);

// Overwrites the characters in place before the memory is given back, so a
// key read from disk does not linger in freed heap.
void wipeSecret(std::string& secret);

}  // namespace solvane::platform::jwt
