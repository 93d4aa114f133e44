#pragma once

// The product's own addresses, kept in one place.
namespace sw::support {

inline constexpr const char* kWebSite = "https://slidewright.org";  // no trailing "/"
inline constexpr const char* kSupportMail = "support@slidewright.org";

}  // namespace sw::support
