// The byte layouts of the compiled files, declared once for their writers
// and their decoders (docs/formats.md, "Compiled files"): the members of a
// cell and of a record in file order, the geometry's element tags, and the
// sizes that follow from them. Every value is little-endian with no padding;
// a text is a 16-bit count and its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/model/model.h"

namespace scenario::layout {

// Calls `visit` with a pointer to each member of a cell, in file order.
template <class Visit>
constexpr void cell_members(Visit&& visit) {
  visit(&Cella::oggetto);
  visit(&Cella::valore1);
  visit(&Cella::valore2);
  visit(&Cella::valore3);
  visit(&Cella::valore4);
  visit(&Cella::tempo_segnale);
  visit(&Cella::preavviso);
  visit(&Cella::montagna);
  visit(&Cella::velocita);
  visit(&Cella::pendenza);
  visit(&Cella::dato_treno);
}

// The same for a record; `nome_punto` is the text.
template <class Visit>
constexpr void record_members(Visit&& visit) {
  visit(&Record::tipo_punto);
  visit(&Record::inizio_zona);
  visit(&Record::fine_zona);
  visit(&Record::posizione_punto);
  visit(&Record::dato_1);
  visit(&Record::nome_punto);
  visit(&Record::dato_4);
  visit(&Record::dato_5);
  visit(&Record::dato_7);
  visit(&Record::dato_8);
  visit(&Record::dato_9);
  visit(&Record::dato_6);
  visit(&Record::dato_10);
  visit(&Record::allungamento);
  visit(&Record::dato_2);
  visit(&Record::orario);
}

// Bytes of a member in the file: its width, or the count of a text.
template <class S, class T>
constexpr size_t member_bytes(T S::*) {
  if constexpr (std::is_same_v<T, std::string>) {
    return sizeof(uint16_t);
  } else {
    return sizeof(T);
  }
}

constexpr size_t kCellBytes = [] {
  size_t n = 0;
  cell_members([&n](auto member) { n += member_bytes(member); });
  return n;
}();

// A record without the characters of its text.
constexpr size_t kRecordBytes = [] {
  size_t n = 0;
  record_members([&n](auto member) { n += member_bytes(member); });
  return n;
}();

// The tag before each geometry element, and the value it announces.
enum class GeometryTag : uint16_t { kEmpty = 0, kInt16 = 2, kDouble = 5 };

constexpr GeometryTag tag_of(ElementKind kind) {
  switch (kind) {
    case ElementKind::kInt16:
      return GeometryTag::kInt16;
    case ElementKind::kDouble:
      return GeometryTag::kDouble;
    case ElementKind::kEmpty:
      break;
  }
  return GeometryTag::kEmpty;
}

// Bytes of an element: its tag and its value.
constexpr size_t element_bytes(ElementKind kind) {
  switch (kind) {
    case ElementKind::kInt16:
      return sizeof(uint16_t) + sizeof(int16_t);
    case ElementKind::kDouble:
      return sizeof(uint16_t) + sizeof(double);
    case ElementKind::kEmpty:
      break;
  }
  return sizeof(uint16_t);
}

}  // namespace scenario::layout
