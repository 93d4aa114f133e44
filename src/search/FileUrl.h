#pragma once
#include <string>
#include <string_view>

// Turns a "file:" address into a path (RFC 8089): file:///a/b, file:/a/b and
// file://localhost/a/b give /a/b; file://host/share/x gives //host/share/x;
// percent escapes are decoded. Text that does not begin with "file:" (exactly
// so, at its first character) is returned unchanged. An address without any
// path, such as "file://", gives "".
std::string FileUrlToPath(std::string_view Text);
