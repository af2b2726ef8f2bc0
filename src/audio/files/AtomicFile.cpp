#include "AtomicFile.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AudioException.h"
#include "Lang.h"

bool TAtomicFile::AllowAnonymous = true;
TAtomicFile::TSystemCalls TAtomicFile::System;

namespace {

// The process's umask, read while start-up is still single-threaded: asking the
// kernel for it later means setting it, which races with threads creating files.
mode_t ReadUmask() {
  if (FILE* f = std::fopen("/proc/self/status", "r")) {
    char line[256];
    unsigned mask = 0;
    bool found = false;
    while (!found && std::fgets(line, sizeof line, f)) found = std::sscanf(line, "Umask: %o", &mask) == 1;
    std::fclose(f);
    if (found) return mode_t(mask);
  }
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}
const mode_t StartUmask = ReadUmask();

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsStandInName(const char* name) {
  const std::size_t prefix = std::strlen(TAtomicFile::StandInPrefix);
  if (std::strncmp(name, TAtomicFile::StandInPrefix, prefix) != 0 || std::strlen(name) != prefix + 6) return false;
  for (const char* p = name + prefix; *p; ++p)
    if (!std::isalnum(static_cast<unsigned char>(*p))) return false;
  return true;
}

std::string RandomStandIn(const std::string& folder) {
  static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 random{std::random_device{}()};
  std::string name = folder + "/" + TAtomicFile::StandInPrefix;
  for (int i = 0; i < 6; ++i) name += chars[random() % (sizeof chars - 1)];
  return name;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  const int r = TAtomicFile::System.Sync(fd);
  const int e = errno;
  ::close(fd);
  // Some file systems cannot sync a folder at all; that is no failure of ours.
  if (r != 0 && e != EINVAL && e != EROFS)
    throw EAudioException(lang::Say(lang::CannotWriteFormat, folder) + " " + std::strerror(e));
}

}  // namespace

TAtomicFile::~TAtomicFile() { Discard(); }

void TAtomicFile::Fail(const std::string& what, int error) {
  Discard();
  throw EAudioException(what + " " + std::strerror(error));
}

void TAtomicFile::Create(const std::string& finalName) {
  Discard();
  FinalName_ = finalName;
  Folder_ = FolderOf(finalName);
  const std::string cannot = lang::Say(lang::CannotCreateFileFormat, finalName);
  RemoveStale(Folder_);
  int fd = -1;
  if (AllowAnonymous) {
    fd = ::open(Folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) Fail(cannot, errno);
    Anonymous_ = fd >= 0;
  }
  while (fd < 0) {
    std::string name = Folder_ + "/" + StandInPrefix + "XXXXXX";
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) Fail(cannot, errno);
    struct stat st {};
    // Another run's clean-up may have taken it between creation and the lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0) {
      ::close(fd);
      fd = -1;
      continue;
    }
    StandIn_ = name;
    ::fchmod(fd, 0666 & ~StartUmask);
  }
  if (Anonymous_) ::flock(fd, LOCK_EX | LOCK_NB);  // guards the stand-in name it may get at the end
  File_ = ::fdopen(fd, "w+b");
  if (!File_) {
    const int e = errno;
    ::close(fd);
    Fail(cannot, e);
  }
}

void TAtomicFile::LinkInPlace() {
  const std::string procPath = "/proc/self/fd/" + std::to_string(::fileno(File_));
  // Without /proc, the direct form, which needs more privilege.
  const bool viaProc = ::access("/proc/self/fd", F_OK) == 0;
  auto link = [&](const std::string& to) {
    const int r = viaProc ? System.Link(AT_FDCWD, procPath.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW)
                          : System.Link(::fileno(File_), "", AT_FDCWD, to.c_str(), AT_EMPTY_PATH);
    return r == 0 ? 0 : errno;
  };
  int e = link(FinalName_);
  if (e == 0) return;
  if (e != EEXIST) Fail(lang::Say(lang::CannotWriteFormat, FinalName_), e);
  // Something stands under the name: link beside it, then replace it in one step.
  do {
    StandIn_ = RandomStandIn(Folder_);
    e = link(StandIn_);
  } while (e == EEXIST);
  if (e != 0) {
    StandIn_.clear();
    Fail(lang::Say(lang::CannotWriteFormat, FinalName_), e);
  }
  if (System.Rename(StandIn_.c_str(), FinalName_.c_str()) != 0) Fail(lang::Say(lang::CannotWriteFormat, FinalName_), errno);
  StandIn_.clear();
}

void TAtomicFile::Commit() {
  const std::string cannot = lang::Say(lang::CannotWriteFormat, FinalName_);
  if (!File_) throw EAudioException(cannot);
  errno = 0;
  if (System.Flush(File_) != 0 || std::ferror(File_) || System.Sync(::fileno(File_)) != 0) Fail(cannot, errno ? errno : EIO);
  if (Anonymous_) {
    LinkInPlace();
  } else {
    if (System.Rename(StandIn_.c_str(), FinalName_.c_str()) != 0) Fail(cannot, errno);
    StandIn_.clear();
  }
  const int closed = std::fclose(File_);
  const int e = errno;
  File_ = nullptr;
  if (closed != 0) throw EAudioException(cannot + " " + std::strerror(e));
  SyncFolder(Folder_);
}

void TAtomicFile::Discard() {
  if (!StandIn_.empty()) ::unlink(StandIn_.c_str());
  StandIn_.clear();
  if (File_) std::fclose(File_);
  File_ = nullptr;
}

void TAtomicFile::RemoveStale(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const int dirFd = ::dirfd(dir);
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsStandInName(entry->d_name)) continue;
    const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat st {};
    // Only a plain file whose writer has let go of its lock: the writer is gone.
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(dirFd, entry->d_name, 0);
    ::close(fd);
  }
  ::closedir(dir);
}
