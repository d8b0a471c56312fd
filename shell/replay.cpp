#include "shell/replay.h"

#include <cstring>

#include "frontend/score_table.h"
#include "shell/files.h"

namespace {

constexpr char kMagic[4] = {'E', 'V', 'R', 'P'};
constexpr uint32_t kFirstVersion = 1;
constexpr size_t kFileLimit = size_t{64} << 20;
// The smallest encodings (version 1's), which bound every count by what remains.
constexpr size_t kGameBytes = 4 + 16 + 20 + 8 + 72 + 12 + 4 + 4 + 4;
constexpr size_t kRunBytes = 13;
constexpr size_t kEntryBytes = 3;
constexpr size_t kDigestBytes = 52;
constexpr uint8_t kDown = 1;
constexpr int kAheadShift = 1;  // the count of presses ahead fills the other seven bits
constexpr uint8_t kLastAge = 2;

class Writer {
 public:
  void u8(uint8_t value) { bytes_.push_back(value); }
  void u16(uint16_t value) {
    u8(static_cast<uint8_t>(value));
    u8(static_cast<uint8_t>(value >> 8));
  }
  void u32(uint32_t value) {
    uint8_t field[4];
    put_le32(field, value);
    raw(field, sizeof field);
  }
  void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
  void u64(uint64_t value) {
    uint8_t field[8];
    put_le64(field, value);
    raw(field, sizeof field);
  }
  void raw(const void* data, size_t size) {
    const auto* at = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), at, at + size);
  }
  void colour(const TCOD_color_t& colour) {
    u8(colour.r);
    u8(colour.g);
    u8(colour.b);
  }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

// Reads fields while the bytes last; the first shortfall or bad value sticks.
class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& bytes)
      : at_(bytes.data()), end_(at_ + bytes.size()) {}

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  size_t remaining() const { return static_cast<size_t>(end_ - at_); }
  void fail(const std::string& why) {
    if (ok()) error_ = why;
    at_ = end_;
  }

  const uint8_t* take(size_t size) {
    if (!ok()) return nullptr;
    if (size > remaining()) {
      fail("the file is cut short");
      return nullptr;
    }
    const uint8_t* field = at_;
    at_ += size;
    return field;
  }
  uint8_t u8() {
    const uint8_t* field = take(1);
    return field ? field[0] : 0;
  }
  uint16_t u16() {
    const uint8_t* field = take(2);
    return field ? static_cast<uint16_t>(field[0] | field[1] << 8) : 0;
  }
  uint32_t u32() {
    const uint8_t* field = take(4);
    return field ? get_le32(field) : 0;
  }
  int32_t i32() { return static_cast<int32_t>(u32()); }
  uint64_t u64() {
    const uint8_t* field = take(8);
    return field ? get_le64(field) : 0;
  }
  TCOD_color_t colour() {
    TCOD_color_t colour;
    colour.r = u8();
    colour.g = u8();
    colour.b = u8();
    return colour;
  }
  // A count of items of at least `size` bytes each, refused when they cannot fit.
  uint32_t count(size_t size) {
    uint32_t n = u32();
    if (ok() && n > remaining() / size) fail("a count runs past the end of the file");
    return ok() ? n : 0;
  }
  void check(bool good, const char* what) {
    if (ok() && !good) fail(std::string("bad ") + what);
  }

 private:
  const uint8_t* at_;
  const uint8_t* end_;
  std::string error_;
};

void write_controls(Writer& out, const Controls& controls) {
  const ControlsRecord record = controls_encode(controls);
  out.raw(record.data(), record.size());
}

Controls read_controls(Reader& in) {
  const uint8_t* record = in.take(sizeof(ControlsRecord));
  return record ? controls_decode(record) : Controls{};
}

void write_source(Writer& out, const SourceMemory& source) {
  out.u8(static_cast<uint8_t>((source.down ? kDown : 0) | source.ahead << kAheadShift));
  out.u8(source.age);
  out.u32(source.pending);
}

SourceMemory read_source(Reader& in) {
  SourceMemory source;
  uint8_t flags = in.u8();
  source.down = (flags & kDown) != 0;
  source.ahead = static_cast<uint8_t>(flags >> kAheadShift);
  source.age = in.u8();
  in.check(source.age <= kLastAge, "reader memory");
  source.pending = in.u32();
  return source;
}

void write_frame(Writer& out, const InputFrame& frame) {
  out.u32(frame.repeat);
  out.u16(frame.held);
  out.u8(frame.hat);
  out.u32(frame.buttons);
  out.u8(frame.joysticks);
  out.u8(frame.button_count);
  out.u16(static_cast<uint16_t>(frame.entries.size()));
  for (const InputEntry& entry : frame.entries) {
    out.u8(entry.vk);
    out.u8(entry.c);
    out.u8(entry.flags);
  }
}

// A typed text's bytes follow their press; version 1 knew no text.
bool entry_fits(const InputEntry& entry, const InputFrame& frame, uint32_t version) {
  if (entry.vk == kEntryClosed || entry.vk < TCODK_TEXT) return true;
  if (entry.vk != TCODK_TEXT || version == kFirstVersion || frame.entries.empty()) return false;
  const InputEntry& before = frame.entries.back();
  return before.vk == TCODK_TEXT || (before.vk < TCODK_TEXT && (before.flags & kEntryPressed));
}

InputFrame read_frame(Reader& in, uint32_t version) {
  InputFrame frame;
  frame.repeat = in.u32();
  in.check(frame.repeat > 0, "frame repeat");
  frame.held = in.u16();
  in.check((frame.held & ~kHeldAll) == 0, "held keys");
  frame.hat = in.u8();
  frame.buttons = in.u32();
  if (version > kFirstVersion) {
    frame.joysticks = in.u8();
    frame.button_count = in.u8();
  }
  uint16_t entries = in.u16();
  if (in.ok() && entries > in.remaining() / kEntryBytes) {
    in.fail("a count runs past the end of the file");
  }
  for (uint16_t i = 0; in.ok() && i < entries; ++i) {
    InputEntry entry;
    entry.vk = in.u8();
    entry.c = in.u8();
    entry.flags = in.u8();
    in.check(entry_fits(entry, frame, version), "key code");
    frame.entries.push_back(entry);
  }
  return frame;
}

void write_digest(Writer& out, const TraceDigest& digest) {
  out.i32(digest.frame);
  out.i32(digest.score);
  out.i32(digest.hits);
  for (uint32_t size : digest.lists) out.u32(size);
  out.u64(digest.screen);
}

TraceDigest read_digest(Reader& in) {
  TraceDigest digest;
  digest.frame = in.i32();
  digest.score = in.i32();
  digest.hits = in.i32();
  for (uint32_t& size : digest.lists) size = in.u32();
  digest.screen = in.u64();
  return digest;
}

void write_game(Writer& out, const ReplayGame& game) {
  out.u8(game.whole_session ? 1 : 0);
  out.u32(game.seed);
  out.i32(game.colour_mode);
  out.i32(game.bullet_colour_mode);
  out.i32(game.particles);
  out.i32(game.stars);
  out.i32(game.screen_size);
  write_controls(out, game.controls);
  out.u8(game.console.alignment);
  out.u8(game.console.background_flag);
  out.colour(game.console.foreground);
  out.colour(game.console.background);
  for (const ReaderMemory& reader : game.input) {
    write_source(out, reader.key);
    write_source(out, reader.button);
    write_source(out, reader.enter);
  }
  out.u32(game.game_frames);
  out.i32(game.score);
  out.i32(game.hits);
  out.u32(static_cast<uint32_t>(game.score_file.size()));
  out.raw(game.score_file.data(), game.score_file.size());
  out.u32(static_cast<uint32_t>(game.frames.size()));
  for (const InputFrame& frame : game.frames) write_frame(out, frame);
  out.u32(static_cast<uint32_t>(game.digests.size()));
  for (const TraceDigest& digest : game.digests) write_digest(out, digest);
}

ReplayGame read_game(Reader& in, uint32_t version) {
  ReplayGame game;
  if (version > kFirstVersion) {
    uint8_t kind = in.u8();
    in.check(kind <= 1, "kind of recording");
    game.whole_session = kind == 1;
  }
  game.seed = in.u32();
  game.colour_mode = in.i32();
  game.bullet_colour_mode = in.i32();
  game.particles = in.i32();
  game.stars = in.i32();
  if (version > kFirstVersion) game.screen_size = in.i32();
  game.controls = read_controls(in);
  game.console.alignment = in.u8();
  in.check(game.console.alignment <= TCOD_CENTER, "alignment");
  game.console.background_flag = in.u8();
  in.check(game.console.background_flag <= TCOD_BKGND_DEFAULT, "background flag");
  game.console.foreground = in.colour();
  game.console.background = in.colour();
  for (ReaderMemory& reader : game.input) {
    reader.key = read_source(in);
    reader.button = read_source(in);
    reader.enter = read_source(in);
  }
  game.game_frames = in.u32();
  game.score = in.i32();
  game.hits = in.i32();
  uint32_t score_bytes = in.count(1);
  in.check(score_bytes <= kScoreFileLimit, "high-score file length");
  if (const uint8_t* bytes = in.take(score_bytes))
    game.score_file.assign(bytes, bytes + score_bytes);
  uint32_t runs = in.count(kRunBytes);
  for (uint32_t i = 0; in.ok() && i < runs; ++i) game.frames.push_back(read_frame(in, version));
  uint32_t digests = in.count(kDigestBytes);
  for (uint32_t i = 0; in.ok() && i < digests; ++i) game.digests.push_back(read_digest(in));
  return game;
}

}  // namespace

std::vector<uint8_t> replay_encode(const Replay& replay) {
  Writer out;
  out.raw(kMagic, sizeof kMagic);
  out.u32(kReplayVersion);
  out.u32(static_cast<uint32_t>(replay.games.size()));
  for (const ReplayGame& game : replay.games) write_game(out, game);
  return out.take();
}

ReplayRead replay_decode(const std::vector<uint8_t>& bytes) {
  ReplayRead result;
  Reader in(bytes);
  const uint8_t* magic = in.take(sizeof kMagic);
  if (!magic || std::memcmp(magic, kMagic, sizeof kMagic) != 0) {
    result.error = "not a replay file";
    return result;
  }
  uint32_t version = in.u32();
  if (in.ok() && (version < kFirstVersion || version > kReplayVersion)) {
    result.error = "replay version " + std::to_string(version) + ", but this game reads versions " +
                   std::to_string(kFirstVersion) + " to " + std::to_string(kReplayVersion);
    return result;
  }
  Replay replay;
  uint32_t games = in.count(kGameBytes);
  for (uint32_t i = 0; in.ok() && i < games; ++i) replay.games.push_back(read_game(in, version));
  if (in.ok() && in.remaining() != 0) in.fail("bytes after the last game");
  if (!in.ok()) {
    result.error = in.error();
    return result;
  }
  result.replay = std::move(replay);
  return result;
}

ReplayRead replay_load(const std::string& path) {
  auto bytes = file_read(path, kFileLimit + 1);
  if (!bytes) return {std::nullopt, "cannot be read"};
  if (bytes->size() > kFileLimit) return {std::nullopt, "too large for a replay"};
  return replay_decode(*bytes);
}

bool replay_save(const std::string& path, const Replay& replay) {
  std::vector<uint8_t> bytes = replay_encode(replay);
  return file_replace(path, bytes.data(), bytes.size());
}
