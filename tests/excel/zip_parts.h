#pragma once

#include <string>
#include <utility>
#include <vector>

// The parts of a zip archive, in their order, so that tests can make workbooks as other programs
// save them, or damaged ones.
using ZipParts = std::vector<std::pair<std::string, std::string>>;  // name, inflated content

ZipParts readZipParts(const std::string& path);
void writeZipParts(const ZipParts& parts, const std::string& path);

// The part of that name; it must be there.
std::string& zipPart(ZipParts& parts, const std::string& name);

// Replaces every occurrence of `from` in the text.
void replaceAll(std::string& text, const std::string& from, const std::string& to);

// Replaces the cell element of that reference ("B60") in a worksheet part.
void replaceCell(std::string& worksheet, const std::string& reference, const std::string& element);
