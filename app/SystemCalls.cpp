#include "app/SystemCalls.hpp"

#include <unistd.h>

namespace velora {

SystemCalls& systemCalls() {
    static SystemCalls calls{::read, ::write, ::fdatasync, ::close};
    return calls;
}

} // namespace velora
