#pragma once
// A small file set for the ISAM tests: 16-byte records with a unique integer key (id, sequence)
// and a duplicate text key (tag), in a temporary folder of its own.

#include "platform/isam/IsamLibrary.h"
#include "platform/system/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

struct Sample {
    int32_t id = 0;
    int16_t sequence = 0;
    int16_t spare = 0;
    char tag[8] = {};
};
static_assert(sizeof(Sample) == 16);

inline Sample MakeSample(int32_t id, int16_t sequence, const std::string& tag = "")
{
    Sample sample;
    sample.id = id;
    sample.sequence = sequence;
    std::strncpy(sample.tag, tag.c_str(), sizeof sample.tag);
    return sample;
}

constexpr int SampleFile = 0;
constexpr int ByIdKey = 1;   // id, sequence: unique
constexpr int ByTagKey = 2;  // tag: duplicates

inline platform::isam::FileDefinition SampleDefinition(const std::filesystem::path& stem,
                                                       uint16_t mode)
{
    using namespace platform::isam;
    return {SampleFile, stem, sizeof(Sample), mode,
            {{ByIdKey, false,
              {{0, 4, SegmentKind::SignedInteger}, {4, 2, SegmentKind::SignedInteger}}},
             {ByTagKey, true, {{8, 8, SegmentKind::UpperCaseText}}}}};
}

// The names of the files in a folder.
inline std::set<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class SampleFileSetTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(isam.start(15), platform::isam::Status::Ok); }

    platform::isam::FileDefinition definition(uint16_t mode = platform::isam::FileMode::Exclusive)
    {
        return SampleDefinition(folder / "sample", mode);
    }

    // Creates the set and adds the samples.
    void createWith(const std::vector<Sample>& samples,
                    uint16_t mode = platform::isam::FileMode::Exclusive)
    {
        ASSERT_EQ(isam.createFileSet(definition(mode)), platform::isam::Status::Ok);
        for (const Sample& sample : samples)
            ASSERT_EQ(isam.addRecord(SampleFile, platform::isam::bytesOf(sample)),
                      platform::isam::Status::Ok);
    }

    // Prepared key values.
    std::vector<std::byte> idKey(int32_t id, int16_t sequence)
    {
        std::vector<std::byte> value(6);
        std::memcpy(value.data(), &id, 4);
        std::memcpy(value.data() + 4, &sequence, 2);
        EXPECT_EQ(isam.prepareKeyValue(ByIdKey, value), platform::isam::Status::Ok);
        return value;
    }
    std::vector<std::byte> tagKey(const std::string& tag)
    {
        std::vector<std::byte> value(8);
        std::memcpy(value.data(), tag.data(), std::min<size_t>(tag.size(), 8));
        EXPECT_EQ(isam.prepareKeyValue(ByTagKey, value), platform::isam::Status::Ok);
        return value;
    }

    // (id, sequence) of the records met by reading first, then next until the end.
    std::vector<std::pair<int32_t, int16_t>> walk(int keyNumber)
    {
        std::vector<std::pair<int32_t, int16_t>> met;
        Sample sample;
        for (auto status = isam.readFirst(keyNumber, platform::isam::bytesOf(sample));
             status == platform::isam::Status::Ok;
             status = isam.readNext(keyNumber, platform::isam::bytesOf(sample)))
            met.emplace_back(sample.id, sample.sequence);
        return met;
    }

    TempFolder folder;
    platform::isam::IsamLibrary isam;
};
