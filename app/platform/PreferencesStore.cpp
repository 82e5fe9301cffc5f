#include "app/platform/PreferencesStore.hpp"

namespace velora {

PreferencesStore::~PreferencesStore() = default;

} // namespace velora
