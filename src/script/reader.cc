/*
** src/script/reader.cc
** Script reader: the open files, the include stack, the script file list
** and the characters the scanner reads.
**
** Each file is read whole when it is opened: its size and CRC go into the
** script file list, and the scanner then reads from memory.  A newline
** followed by "&" is dropped with the "&" (continuation lines), except on
** an INCLUDE line.  Files get numbers from a table of at most 500 rows in
** which equal content in one directory shares a number.  An include loop
** is caught both by name and by device and inode, so a file reached under
** another spelling cannot recurse forever.
*/
#include "script_int.h"

#include "diag.h"
#include "driver.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace {

/* A file being read: the current one or one suspended by an INCLUDE. */
struct OpenFile {
    std::string content;
    size_t pos = 0;                /* while suspended; see reader_window */
    const char *name = nullptr;    /* the ScriptFile's name */
    uint32_t line = 1;             /* while suspended; see reader_window */
    uint32_t number = 0;
    dev_t device = 0;
    ino_t inode = 0;
};

struct FileNumberRow {
    uint32_t number;
    long identity_key;
    uint32_t crc16;
};

struct ScriptReader {
    std::vector<OpenFile> open;        /* include stack; back() is current */
    std::vector<int> pushed;           /* push-back stack */
    std::vector<FileNumberRow> numbers;
    ScriptFile *files = nullptr;       /* newest first */
    TextList include_dirs;
    bool include_line = false;
};

ScriptReader reader;

/* The window holds the current file's position, pushed-back characters
** or not; a suspended file keeps its own in pos. */
void save_position()
{
    if (reader.open.empty())
        return;
    OpenFile &file = reader.open.back();
    file.pos = size_t(reader_window.at - file.content.data());
    file.line = reader_window.line;
}

/* Points the window at the current file (whose string may have moved). */
void load_position()
{
    ReaderWindow &w = reader_window;
    if (reader.open.empty()) {
        w = ReaderWindow();
        return;
    }
    const OpenFile &file = reader.open.back();
    w.begin = file.content.data();
    w.at = w.begin + file.pos;
    w.held = !reader.pushed.empty();
    w.end = w.held ? w.at : w.begin + file.content.size();
    w.line = file.line;
    w.name = file.name;
    w.number = file.number;
}

/* Reads a whole stream, straight into the content; false on a read
** error (a directory, say).  The size known beforehand is a first guess
** only: a file that grows or shrinks meanwhile is read as it is. */
bool read_stream(FILE *stream, off_t expected, std::string &content)
{
    size_t got = 0;
    content.resize(expected > 0 ? size_t(expected) + 1 : 65536);
    for (;;) {
        got += fread(&content[got], 1, content.size() - got, stream);
        if (got < content.size())
            break;
        content.resize(content.size() * 2);
    }
    content.resize(got);
    return !ferror(stream);
}

/* Opens and reads a file; false when it cannot be opened or read. */
bool load_file(const char *path, OpenFile &file)
{
    FILE *stream;
    if (!open_file(path, "rb", &stream))
        return false;
    struct stat info;
    bool ok = fstat(fileno(stream), &info) == 0 && !S_ISDIR(info.st_mode) &&
              read_stream(stream, info.st_size, file.content);
    if (ok) {
        file.device = info.st_dev;
        file.inode = info.st_ino;
    }
    checked_fclose(stream);
    return ok;
}

std::string working_directory()
{
    std::vector<char> buffer(CWD_BUFFER_SIZE);
    if (!getcwd(buffer.data(), buffer.size()))
        report_internal_c("SIZBUFOVL", "", "");
    return std::string(buffer.data());
}

void describe_location(ScriptFile *file)
{
    std::string absolute = file->name;
    if (absolute.empty() || absolute[0] != '/') {
        std::string joined;
        checked_sprintf(joined, "%s%c%s", working_directory().c_str(), '/',
                        file->name);
        absolute = joined;
    }
    size_t slash = absolute.rfind('/');
    std::string directory = absolute.substr(0, slash == 0 ? 1 : slash);
    file->absolute_path = xstrdup(absolute.c_str());
    file->absolute_dir = xstrdup(directory.c_str());
    long key = file->size;
    for (unsigned char c : directory)
        key += long(c) - 32;
    file->identity_key = key;
}

/* The number of a file: shared with an equal file read before. */
uint32_t file_number(const ScriptFile *file, const char *where, uint32_t line)
{
    for (const FileNumberRow &row : reader.numbers)
        if (row.identity_key == file->identity_key && row.crc16 == file->crc16)
            return row.number;
    if (reader.numbers.size() >= MAX_FILE_NUMBERS)
        report_at(SEV_FATAL, "INCLOVFLW", QString(), where, int(line));
    uint32_t number = uint32_t(reader.numbers.size() + 1);
    reader.numbers.push_back({number, file->identity_key, file->crc16});
    return number;
}

/* Adds a loaded file to the file list and makes it current. */
void register_file(const char *path, OpenFile &file, const char *where,
                   uint32_t line)
{
    ScriptFile *record = static_cast<ScriptFile *>(xcalloc(1, sizeof *record));
    record->name = xstrdup(path);
    record->size = long(file.content.size());
    record->crc = crc16_kermit(file.content.data(), file.content.size());
    record->crc16 = record->crc & 0xFFFF;
    describe_location(record);
    record->number = file_number(record, where, line);
    record->next = reader.files;
    reader.files = record;
    file.name = record->name;
    file.number = record->number;
    file.line = 1;
    file.pos = 0;
    save_position();
    reader.open.push_back(std::move(file));
    load_position();
}

/* Opens an included name as written, then in each include directory. */
bool open_include(const std::string &name, OpenFile &file, std::string &path)
{
    path = name;
    if (load_file(path.c_str(), file))
        return true;
    for (const std::string &dir : reader.include_dirs) {
        path.clear();
        path_join(dir.c_str(), name.c_str(), path);
        file = OpenFile();
        if (load_file(path.c_str(), file))
            return true;
    }
    return false;
}

bool includes_itself(const std::string &path, const OpenFile &file)
{
    for (const OpenFile &open : reader.open)
        if (path == open.name ||
            (open.device == file.device && open.inode == file.inode))
            return true;
    return false;
}

} // namespace

ReaderWindow reader_window;

/* CRC-16/KERMIT: polynomial 0x1021 reflected (0x8408), initial 0, no
** final xor.  Four bytes per step ("slicing"): step[k][b] is the CRC of
** byte b followed by k zero bytes, so the four bytes' effects, the
** register folded into the first two, combine by xor. */
uint32_t crc16_kermit(const char *data, size_t size)
{
    static const struct CrcTable {
        uint16_t step[4][256];
        CrcTable()
        {
            for (unsigned byte = 0; byte < 256; byte++) {
                unsigned crc = byte;
                for (int bit = 0; bit < 8; bit++)
                    crc = (crc & 1) ? (crc >> 1) ^ 0x8408 : crc >> 1;
                step[0][byte] = uint16_t(crc);
            }
            for (int k = 1; k < 4; k++)
                for (unsigned byte = 0; byte < 256; byte++) {
                    unsigned before = step[k - 1][byte];
                    step[k][byte] = uint16_t((before >> 8) ^ step[0][before & 0xFF]);
                }
        }
    } table;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(data);
    uint32_t crc = 0;
    for (; size >= 4; size -= 4, p += 4) {
        uint32_t first = crc ^ (p[0] | uint32_t(p[1]) << 8);
        crc = table.step[3][first & 0xFF] ^ table.step[2][first >> 8] ^
              table.step[1][p[2]] ^ table.step[0][p[3]];
    }
    for (; size > 0; size--, p++)
        crc = (crc >> 8) ^ table.step[0][(crc ^ *p) & 0xFF];
    return crc;
}

void reader_open_script(const char *path, const TextList &include_dirs)
{
    reader_close();
    reader.numbers.clear();
    reader.files = nullptr;
    reader.include_dirs = include_dirs;
    OpenFile file;
    if (!load_file(path, file))
        report_fatal_c("FICNOTOPN", path, "");
    register_file(path, file, path, 0);
}

void push_include(const char *quoted_name, uint32_t include_line)
{
    std::string name = quoted_name ? quoted_name : "";
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    const char *where = reader_file_name();
    OpenFile file;
    std::string path;
    if (!open_include(name, file, path))
        report_at(SEV_FATAL, "CANNOTOPN", QString::fromLocal8Bit(name.c_str()),
                  where, int(include_line));
    if (includes_itself(path, file))
        report_at(SEV_FATAL, "INCLOOPDT", QString(), where, int(include_line));
    register_file(path.c_str(), file, where, include_line);
}

int reader_get_slow()
{
    if (!reader.pushed.empty()) {
        int c = reader.pushed.back();
        reader.pushed.pop_back();
        if (reader.pushed.empty()) {
            const std::string &content = reader.open.back().content;
            reader_window.end = content.data() + content.size();
            reader_window.held = false;
        }
        if (c == '\n')
            reader_window.line++;
        return c;
    }
    ReaderWindow &w = reader_window;
    for (;;) {
        if (w.at >= w.end)
            return END_OF_INPUT;
        int c = static_cast<unsigned char>(*w.at++);
        if (c != '\n')
            return c;
        reader_window.line++;
        if (reader.include_line || w.at >= w.end || *w.at != '&')
            return c;
        w.at++;   /* continuation: drop the newline and the "&" */
    }
}

void reader_unget_slow(int c)
{
    if (c == END_OF_INPUT)
        return;
    if (c == '\n')
        reader_window.line--;
    reader.pushed.push_back(c);
    reader_window.end = reader_window.at;
    reader_window.held = true;
}

bool reader_end_of_file()
{
    save_position();
    reader.pushed.clear();
    if (reader.open.size() <= 1) {
        load_position();
        return true;
    }
    reader.open.pop_back();
    load_position();
    return false;
}

void reader_set_include_line(bool on)
{
    reader.include_line = on;
}

ScriptFile *reader_file_list()
{
    return reader.files;
}

void reader_close()
{
    reader.open.clear();
    reader.open.shrink_to_fit();
    reader.pushed.clear();
    reader.include_line = false;
    load_position();
}
