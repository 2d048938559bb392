// Sets environment variables for the length of a test and puts back what was there before.
#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace dudedur::testing {

class ScopedEnvironment {
  public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void Set(const std::string& name, const std::string& value) {
        Save(name);
        setenv(name.c_str(), value.c_str(), 1);
    }
    void Unset(const std::string& name) {
        Save(name);
        unsetenv(name.c_str());
    }

  private:
    // Keeps the value from before the first change only.
    void Save(const std::string& name) {
        if (saved_.contains(name)) return;
        const char* value = std::getenv(name.c_str());
        saved_[name] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }

    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace dudedur::testing
