#pragma once
// Test support for the settings record: a dta.res image built byte by byte at the file's own
// offsets, and a fixture that starts from a zero record.

#include "AppTestSupport.h"

#include "app/ExternalLibraries.h"
#include "chart/MapView.h"
#include "frame/SetupParameters.h"
#include "sensors/OwnShipState.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

// dta.res as bytes: zeros, then each value put at its offset.
class SetupImage {
public:
    static constexpr std::size_t Size = 18586;

    template <typename T>
    SetupImage& at(std::size_t offset, T value)
    {
        std::memcpy(bytes_.data() + offset, &value, sizeof value);
        return *this;
    }
    SetupImage& text(std::size_t offset, const std::string& value)
    {
        std::memcpy(bytes_.data() + offset, value.data(), value.size());
        return *this;
    }
    void resize(std::size_t size) { bytes_.resize(size); }
    const std::vector<char>& bytes() const { return bytes_; }

    void writeTo(const std::filesystem::path& path) const
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(bytes_.data(), std::streamsize(bytes_.size()));
    }

private:
    std::vector<char> bytes_ = std::vector<char>(Size, 0);
};

// The value of type T at a file offset of the record in memory.
template <typename T>
T RecordValue(std::size_t offset)
{
    T value;
    std::memcpy(&value, reinterpret_cast<const char*>(&SetupParameters) + offset, sizeof value);
    return value;
}

// A field of the packed record by value: assertions take their arguments by reference, and a
// reference to a packed field may be misaligned.
template <typename T>
T Value(T field)
{
    return field;
}

inline std::vector<char> FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SetupTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ResetRecords();
    }
    void TearDown() override
    {
        ResetRecords();
        AppTest::TearDown();
    }

private:
    static void ResetRecords()
    {
        SetupParameters = SetupParametersRecord{};
        ThreeDExchange = ThreeDExchangeRecord{};
        OwnShip = OwnShipState{};
        MainMapView = nullptr;
    }
};
