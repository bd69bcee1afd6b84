// Input/output faults met by the real executables, the builder and
// `scenario compile`: a folder they may not write in, a file-size limit hit
// in the middle of the line geometry, an output name taken by a directory.
// Each run must name the file and the system's reason, exit 1, leave the
// compiled files of an earlier run that it did not get to replace as they
// were, and leave no temporary file behind.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/run_builder.h"
#include "common/builtin_scenario.h"
#include "common/file_names.h"
#include "test_support/process.h"
#include "test_support/files.h"
#include "writers/line_description.h"
#include "writers/train_description.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

// The compiled files in the order they are written.
std::vector<fs::path> compiled_files(const FileNames& n) { return {n.linea_dat, n.sim, n.dat}; }

std::string earlier(const fs::path& file) { return "earlier " + file.filename().string(); }

// rwxr-xr-x: an ordinary user may run and read there, not write.
void open_to_all(const fs::path& folder) {
  using fs::perms;
  fs::permissions(folder, perms::owner_all | perms::group_read | perms::group_exec | perms::others_read |
                              perms::others_exec);
}

bool has_temporary_file(const fs::path& folder) {
  for (const auto& e : fs::directory_iterator(folder)) {
    if (e.path().filename().string().find(".tmp-") != std::string::npos) return true;
  }
  return false;
}

// One of the two programs, set up to write into `out`.
class Program {
 public:
  virtual ~Program() = default;
  virtual const char* name() const = 0;
  virtual std::vector<std::string> command() const = 0;
  // The first file the program writes: where a folder it may not write in
  // stops it.
  virtual fs::path first_written() const = 0;
  // Commands that succeed only when an ordinary user can reach everything
  // the run needs: the executable from where it runs, and its folders.
  virtual std::vector<std::vector<std::string>> reach_probes() const {
    return {{command()[0], "--version"}, {"/usr/bin/test", "-x", out().string()}};
  }
  const fs::path& out() const { return out_.path(); }
  FileNames names() const { return file_names(out(), kScenarioName, kTrainNumber); }

 protected:
  Program() { open_to_all(out_.path()); }

 private:
  testing::TempDir out_;
};

// The builder writes beside itself: a copy of it lives in the folder.
class Builder : public Program {
 public:
  Builder() { fs::copy_file(BUILDER_EXE, out() / "montebrisca_lurna"); }
  const char* name() const override { return "montebrisca_lurna"; }
  std::vector<std::string> command() const override { return {(out() / "montebrisca_lurna").string()}; }
  fs::path first_written() const override { return names().linea_txt; }
};

// The author tool compiles descriptions from another folder into `out`.
class ScenarioCompile : public Program {
 public:
  ScenarioCompile() {
    open_to_all(src_.path());
    const FileNames sources = file_names(src_.path(), kScenarioName, kTrainNumber);
    if (write_line_description(sources) || write_train_description(sources))
      throw std::runtime_error("cannot write the descriptions");
  }
  const char* name() const override { return "scenario compile"; }
  std::vector<std::string> command() const override {
    return {SCENARIO_EXE, "compile", kScenarioName, kTrainNumber,
            "--dir", src_.path().string(), "--out", out().string()};
  }
  fs::path first_written() const override { return names().linea_dat; }
  std::vector<std::vector<std::string>> reach_probes() const override {
    auto probes = Program::reach_probes();
    const FileNames sources = file_names(src_.path(), kScenarioName, kTrainNumber);
    for (const fs::path& f : {sources.linea_txt, sources.treno_txt}) probes.push_back({"/usr/bin/test", "-r", f});
    return probes;
  }

 private:
  testing::TempDir src_;
};

// What a run into a fault must leave: a message naming `file` with the
// system's text for `error`, and the earlier content of the compiled files
// in `kept`.
struct Expected {
  fs::path file;
  int error;
  std::vector<fs::path> kept;
};

// Runs the program, from another working directory, into the fault the test
// set up.
void run_and_check(const Program& p, testing::ProcessOptions o, const Expected& e) {
  SCOPED_TRACE(p.name());
  testing::TempDir elsewhere;
  fs::permissions(elsewhere.path(), fs::perms::all);
  o.cwd = elsewhere.path();

  const testing::ProcessResult r = testing::run_process(p.command(), o);
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.err.find(e.file.string() + ": " + std::strerror(e.error)), std::string::npos) << r.err;
  EXPECT_FALSE(has_temporary_file(p.out()));
  for (const fs::path& f : e.kept) EXPECT_EQ(testing::read_file(f), earlier(f)) << f;
}

// Compiled files of an earlier run.
void plant_earlier_files(const Program& p) {
  for (const fs::path& f : compiled_files(p.names())) testing::write_file(f, earlier(f));
}

// Root writes through permission bits; it runs the program as an ordinary
// user instead, when the system lets it.
bool need_ordinary_user() { return ::geteuid() == 0; }

// Why the ordinary user cannot run `p` as the test would (a checkout or a
// temporary folder under a folder only root may enter), or nothing.
std::optional<std::string> unreachable_as_ordinary_user(const Program& p, const fs::path& cwd) {
  testing::ProcessOptions o;
  o.as_nobody = true;
  o.cwd = cwd;
  if (testing::run_process({"/bin/true"}, o).status != 0) {
    return "running as root without the right to switch user: permission bits cannot stop its writes";
  }
  for (const auto& probe : p.reach_probes()) {
    if (testing::run_process(probe, o).status != 0) {
      std::string command;
      for (const auto& a : probe) command += " " + a;
      return std::string("an ordinary user cannot run") + command + " (a folder on the way admits only root)";
    }
  }
  return std::nullopt;
}

TEST(IoFaults, FolderNotWritable) {
  Builder builder;
  ScenarioCompile compile;
  if (need_ordinary_user()) {
    testing::TempDir elsewhere;
    fs::permissions(elsewhere.path(), fs::perms::all);
    for (const Program* p : std::initializer_list<const Program*>{&builder, &compile}) {
      if (const auto why = unreachable_as_ordinary_user(*p, elsewhere.path())) GTEST_SKIP() << *why;
    }
  }
  for (const Program* p : std::initializer_list<const Program*>{&builder, &compile}) {
    plant_earlier_files(*p);
    fs::permissions(p->out(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    testing::ProcessOptions o;
    o.as_nobody = need_ordinary_user();
    run_and_check(*p, o, {p->first_written(), EACCES, compiled_files(p->names())});
    fs::permissions(p->out(), fs::perms::owner_write, fs::perm_options::add);  // so that it can be removed
  }
}

TEST(IoFaults, FileSizeLimitInTheMiddleOfTheGeometry) {
  // The geometry is some 2.2 MB; every file written before it is far below 1 MB.
  constexpr uint64_t kLimit = 1 << 20;
  Builder builder;
  ScenarioCompile compile;
  for (const Program* p : std::initializer_list<const Program*>{&builder, &compile}) {
    plant_earlier_files(*p);
    testing::ProcessOptions o;
    o.file_size_limit = kLimit;
    run_and_check(*p, o, {p->names().linea_dat, EFBIG, compiled_files(p->names())});
  }
}

TEST(IoFaults, OutputNameTakenByADirectory) {
  Builder builder;
  ScenarioCompile compile;
  for (const Program* p : std::initializer_list<const Program*>{&builder, &compile}) {
    plant_earlier_files(*p);
    fs::remove(p->names().sim);
    fs::create_directory(p->names().sim);
    // The geometry, written before, is replaced; the track, after, is not.
    run_and_check(*p, {}, {p->names().sim, EISDIR, {p->names().dat}});
    EXPECT_TRUE(fs::is_directory(p->names().sim));
    EXPECT_NE(testing::read_file(p->names().linea_dat), earlier(p->names().linea_dat));
  }
}

}  // namespace
}  // namespace scenario
