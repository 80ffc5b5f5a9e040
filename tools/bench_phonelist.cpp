// Times the phone list's core steps on generated lists: load (read the
// file, parse it, write the backup), sort, one type-ahead search and one
// save (check the file's size and time against what was last written, write
// through a temporary file and rename, take the new size, time and content
// hash; beside it the save without the check), and the straightforward
// selection sort for comparison. Usage: bench_phonelist <folder> <records>...
// Prints one line per list: median milliseconds of each step.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "../tests/core/phonelist/reference.h"
#include "core/phonelist/phone_list.h"
#include "core/phonelist/search.h"
#include "core/phonelist/sort.h"

namespace {

using namespace tonvero;
using Clock = std::chrono::steady_clock;

// Names drawn from small sets, so that many records share a first or last
// name as people's lists do; phones are random digits.
std::string ListText(int records, std::mt19937& random) {
  const char* firsts[] = {"Anna", "Ben", "Carl", "Dora", "Emil", "Fay", "Gus", "Hanna", "Ivo", "Jana"};
  std::string text =
      R"("FIRST NAME      ","LAST NAME        ","PHONE                          ","REMARKS")" "\r\n";
  for (int i = 0; i < records; ++i) {
    const std::string last = "Last" + std::to_string(random() % (records / 4 + 1));
    const std::string phone = std::to_string(1000000 + random() % 9000000);
    text += '"' + std::string(firsts[random() % 10]) + "\",\"" + last + "\",\"" + phone + "\",\"" +
            (random() % 3 ? "home" : "work") + "\"\r\n";
  }
  return text;
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteReplacing(const std::filesystem::path& path, const std::string& text) {
  const std::filesystem::path temporary = path.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  std::filesystem::rename(temporary, path);
}

// What was last written of a file, as the program keeps it to see another
// program's write before its next save.
struct Stamp {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type time;
  size_t hash = 0;
};

Stamp StampOf(const std::filesystem::path& path, const std::string& text) {
  return {std::filesystem::file_size(path), std::filesystem::last_write_time(path),
          std::hash<std::string_view>{}(text)};
}

bool Unchanged(const std::filesystem::path& path, const Stamp& stamp) {
  std::error_code error;
  return std::filesystem::file_size(path, error) == stamp.size &&
         std::filesystem::last_write_time(path, error) == stamp.time;
}

// Median of `runs` timings of `step`, in milliseconds; `prepare` runs
// untimed before each.
double MedianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& step) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    prepare();
    const auto start = Clock::now();
    step();
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_phonelist <folder> <records>...\n");
    return 1;
  }
  const std::filesystem::path folder = argv[1];
  std::printf("%9s %9s %9s %11s %9s %11s %11s\n", "records", "load ms", "sort ms", "search ms", "save ms", "unchecked",
              "selection");
  for (int a = 2; a < argc; ++a) {
    const int count = std::stoi(argv[a]);
    std::mt19937 random(static_cast<unsigned>(count));
    const std::filesystem::path file = folder / ("Bench" + std::to_string(count) + ".rbd");
    WriteReplacing(file, ListText(count, random));

    PhoneListFile loaded;
    const double load = MedianMs(5, [] {}, [&] {
      loaded = ParsePhoneList(ReadAll(file));
      WriteReplacing(folder / ("Bench" + std::to_string(count) + ".bak"), EncodeBackup(loaded));
    });

    std::vector<Record> records;
    const double sort = MedianMs(5, [&] {
      records = loaded.records;
      std::shuffle(records.begin(), records.end(), random);
    }, [&] { SortRecords(records, 2, count / 2); });

    // The last name of a record near the end, less its last character: the
    // search has to look past nearly every record before it.
    const std::string text = records[records.size() * 9 / 10].last.substr(0, 5);
    volatile int found = 0;
    const double search = MedianMs(101, [] {}, [&] { found = FindSearchRow(records, 2, text); });

    // The save as it was before the check ("unchecked") and as the program
    // does it now, in turns, so that both see the same load on the machine.
    Stamp stamp = StampOf(file, ReadAll(file));
    std::vector<double> unchecked, checked;
    const auto saveUnchecked = [&] {
      unchecked.push_back(MedianMs(1, [] {}, [&] { WriteReplacing(file, EncodePhoneList(loaded.titles, records)); }));
      stamp = StampOf(file, ReadAll(file));
    };
    const auto saveChecked = [&] {
      checked.push_back(MedianMs(1, [] {}, [&] {
        if (!Unchanged(file, stamp)) std::fprintf(stderr, "bench_phonelist: the file changed under the bench\n");
        const std::string text = EncodePhoneList(loaded.titles, records);
        WriteReplacing(file, text);
        stamp = StampOf(file, text);
      }));
    };
    for (int i = 0; i < 10; ++i) {
      if (i % 2) saveUnchecked(), saveChecked();
      else saveChecked(), saveUnchecked();
    }
    std::sort(unchecked.begin(), unchecked.end());
    std::sort(checked.begin(), checked.end());
    const double save = (checked[4] + checked[5]) / 2, plainSave = (unchecked[4] + unchecked[5]) / 2;

    std::string selection = "-";
    if (count <= 5000) {
      std::vector<Record> copy;
      const double ms = MedianMs(3, [&] {
        copy = loaded.records;
        std::shuffle(copy.begin(), copy.end(), random);
      }, [&] { reference::SelectionSort(copy, 2, count / 2); });
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.1f", ms);
      selection = buffer;
    }
    std::printf("%9d %9.1f %9.1f %11.4f %9.1f %11.1f %11s\n", count, load, sort, search, save, plainSave,
                selection.c_str());
    std::filesystem::remove(file);
    std::filesystem::remove(folder / ("Bench" + std::to_string(count) + ".bak"));
  }
  return 0;
}
