#pragma once

namespace velora {

class KeyTable;
class ReaderView;
class ReaderViewModel;

// The reader panel's keys, in the order the key card lists them.
void addReaderKeys(KeyTable& keys, ReaderView& view, ReaderViewModel& vm);

} // namespace velora
