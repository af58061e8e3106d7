#include "archive/demo/demo_schema.h"

#include <string>

namespace kestrin::archive::demo {
namespace {

using dbf::FieldSpec;

// Small integers are N fields of fewer than five digits, integers of five to nine.
FieldSpec text(const char* name, int width) { return {name, 'C', width, 0}; }
FieldSpec small(const std::string& name) { return {name, 'N', 4, 0}; }
FieldSpec integer(const std::string& name) { return {name, 'N', 8, 0}; }
FieldSpec memo(const char* name) { return {name, 'M', 10, 0}; }
FieldSpec date(const char* name) { return {name, 'D', 8, 0}; }
FieldSpec logical(const char* name) { return {name, 'L', 1, 0}; }

void addIntegers(std::vector<FieldSpec>& fields, int from, int to) {
  for (int i = from; i <= to; ++i) fields.push_back(integer("A" + std::to_string(i)));
}

}  // namespace

std::vector<FieldSpec> fondFields() {
  std::vector<FieldSpec> f = {text("KOD", 7),  text("FKOD", 8), text("FNAME", 100), memo("A1"),   small("A2"),
                              small("A3"),     small("A4"),     small("A5"),        small("A6"),  small("A7"),
                              text("A8", 1),   small("A9"),     text("A10", 1),     small("A11"), text("A12", 36),
                              text("A13", 70), small("A14"),    logical("A15")};
  addIntegers(f, 16, 49);
  for (const char* name : {"A98", "A99", "A100"}) f.push_back(small(name));
  f.push_back(memo("A101"));
  for (const char* name : {"A102", "A103", "A104"}) f.push_back(small(name));
  f.push_back(text("A105", 15));
  f.push_back(memo("A106"));
  f.push_back(small("A107"));
  f.push_back(memo("A109"));
  f.push_back(memo("A110"));
  for (const char* name : {"A111", "A112", "A113", "A114", "A115"}) f.push_back(text(name, 15));
  return f;
}

std::vector<FieldSpec> opisFields() {
  return {text("KOD", 7), text("FOND", 7), text("OKOD", 8), memo("ONAME"),  small("G1"),    small("G2"),
          small("G3"),    text("G4", 1),   small("G5"),     text("G6", 1),  integer("G7"),  integer("G8"),
          small("G15"),   memo("G16"),     memo("G45"),     integer("G46"), integer("G47"), integer("G48")};
}

std::vector<FieldSpec> deloFields() {
  return {text("KOD", 7), text("OPIS", 7), text("L1", 10), text("L2", 3), text("L3", 6),   text("L4", 250),
          memo("L5"),     text("L6", 10),  date("L8"),     date("L9"),    text("L10", 30), small("L11"),
          small("L12"),   small("L13"),    memo("L14"),    logical("L21")};
}

std::vector<FieldSpec> documFields() {
  return {text("KOD", 7),  text("DELO", 7), text("T1", 17),  text("T2", 250), memo("T3"),
          date("T4"),      text("T5", 30),  text("T6", 60),  text("T7", 20),  date("T8"),
          text("T9", 30),  text("T10", 10), text("T11", 10), memo("T12"),     text("T13", 250),
          text("T14", 30), text("T15", 20), memo("T16"),     memo("T17")};
}

}  // namespace kestrin::archive::demo
