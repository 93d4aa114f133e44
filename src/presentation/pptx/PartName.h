#pragma once
#include <string>
#include <string_view>

namespace sw::pres {

// Part names inside a package are kept without the leading "/" (the zip
// entry name), e.g. "ppt/slides/slide1.xml".

// Resolves a relationship target against the part that holds the
// relationship: relative or package-absolute ("/ppt/..."), percent-decoded,
// "." and ".." removed (never above the package root), fragment dropped.
// Returns an empty string for a target that names no part.
std::string resolvePartTarget(std::string_view sourcePart, std::string_view target);

// The relationships part of a part: "ppt/slides/slide1.xml" ->
// "ppt/slides/_rels/slide1.xml.rels"; "" (the package) -> "_rels/.rels".
std::string relationshipsPartOf(std::string_view part);

}  // namespace sw::pres
