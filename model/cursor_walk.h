#pragma once
// Helpers shared by the model records that keep a cursor (an iterator) into
// one of their lists or maps.
#include <iterator>

// For copying a record: the iterator of `target` at the index that
// `sourcePos` has in `source` (the end when the source cursor is at its end).
template <class Container>
typename Container::iterator samePosition(Container& target, const Container& source,
                                          typename Container::const_iterator sourcePos) {
  auto index = std::distance(source.begin(), sourcePos);
  auto pos = target.begin();
  for (; index > 0 && pos != target.end(); --index) ++pos;
  return pos;
}

// The reset()/next() protocol: reset() puts the cursor at the end; next()
// answers false for an empty collection, moves from the end to the first
// element and answers true, and otherwise advances and answers whether the
// cursor stands on an element.
template <class Container>
bool cursorNext(Container& items, typename Container::iterator& cursor) {
  if (items.empty()) return false;
  if (cursor == items.end()) {
    cursor = items.begin();
    return true;
  }
  ++cursor;
  return cursor != items.end();
}

// The first/next walk: the first call puts the cursor at the start and
// answers the element there; the next call answers null when the cursor is
// already at the end (it stays there), else advances and answers the element
// or null when it reached the end. `element` turns an iterator into the
// pointer answered.
template <class Container, class Element>
auto walkFirst(Container& items, typename Container::iterator& cursor, Element element)
    -> decltype(element(cursor)) {
  cursor = items.begin();
  return cursor == items.end() ? nullptr : element(cursor);
}

template <class Container, class Element>
auto walkNext(Container& items, typename Container::iterator& cursor, Element element)
    -> decltype(element(cursor)) {
  if (cursor == items.end()) return nullptr;
  ++cursor;
  return cursor == items.end() ? nullptr : element(cursor);
}
