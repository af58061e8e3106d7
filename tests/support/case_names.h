// Names for the cases of parameterised suites. GoogleTest accepts only
// [A-Za-z0-9_] in a case name, and without a name generator a case shows in
// ctest as its raw bytes ("16-byte object <...>"), which says nothing about
// the case that failed.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::testing {

// `label` as a case name: Cyrillic letters of the UTF-8 text spelled in Latin
// letters, ASCII letters and digits kept, each run of anything else one '_',
// no '_' at either end, at most 40 characters. A label of signs alone is
// spelled by their names ("blank_blank", "quote"); an empty one gives "".
std::string asciiName(std::string_view label);

// A name generator for INSTANTIATE_TEST_SUITE_P: the case's position, then the
// asciiName of `labelOf(param)` ("empty" for an empty label). The position
// keeps names unique where two labels read the same once sanitized.
template <class LabelOf>
auto labelled(LabelOf labelOf) {
  return [labelOf](const auto& info) {
    std::string name = std::to_string(info.index);
    const std::string label = asciiName(labelOf(info.param));
    name += "_" + (label.empty() ? std::string("empty") : label);
    return name;
  };
}

// The name generator for cases that carry a `name` written as a case name.
inline constexpr auto byName = [](const auto& info) { return std::string(info.param.name); };

}  // namespace kestrin::testing
