#include "tests/testserver/serverstatefixture.h"

#include <optional>
#include <stdexcept>
#include <utility>

namespace serverstatefixture {
namespace {

testserver::ServerState WithKeys(std::optional<testserver::Store> store, std::string error)
{
    std::optional<testserver::LogonKeys> keys = testserver::LogonKeys::Load(QUENLARK_TEST_SERVER_KEYS_DIR, error);
    if (!store || !keys) {
        throw std::runtime_error(error);
    }
    return testserver::ServerState(std::move(*store), std::move(*keys));
}

}  // namespace

testserver::ServerState FromText(const std::string& fixtureText)
{
    std::string error;
    std::optional<testserver::Store> store = testserver::Store::Parse(fixtureText, error);
    return WithKeys(std::move(store), error);
}

testserver::ServerState FromFile(const std::string& path)
{
    std::string error;
    std::optional<testserver::Store> store = testserver::Store::Load(path, error);
    return WithKeys(std::move(store), error);
}

}  // namespace serverstatefixture
