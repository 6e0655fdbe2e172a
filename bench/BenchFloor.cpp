// The floor of the benchmark table: a plain read of a record file in 1 MiB
// blocks that matches two length-prefixed fields of every record as bytes,
// letters A to Z folded, and counts the records where both match. No Qt,
// nothing but the read and the match.
//   selvadoro_bench_floor FILE SIZE OFFSET1 CAPACITY1 TEXT1 OFFSET2 CAPACITY2 TEXT2
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Field {
    long offset;
    int capacity;
    std::string wanted;
};

bool found(const unsigned char* record, const Field& field) {
    const int length =
        record[field.offset] < field.capacity ? record[field.offset] : field.capacity;
    char folded[256];
    for (int i = 0; i < length; ++i) {
        const unsigned char c = record[field.offset + 1 + i];
        folded[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    return memmem(folded, static_cast<size_t>(length), field.wanted.data(), field.wanted.size()) !=
           nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 9) return 2;
    const int file = open(argv[1], O_RDONLY);
    if (file < 0) return 1;
    const long size = std::atol(argv[2]);
    const Field fields[] = {{std::atol(argv[3]), std::atoi(argv[4]), argv[5]},
                            {std::atol(argv[6]), std::atoi(argv[7]), argv[8]}};
    const long perBlock = (1L << 20) / size;
    std::vector<unsigned char> block(static_cast<size_t>(perBlock * size));
    long matches = 0;
    for (;;) {
        long got = 0;
        while (got < static_cast<long>(block.size())) {
            const ssize_t n =
                read(file, block.data() + got, block.size() - static_cast<size_t>(got));
            if (n <= 0) break;
            got += n;
        }
        for (long r = 0; r + size <= got; r += size) {
            if (found(block.data() + r, fields[0]) && found(block.data() + r, fields[1])) ++matches;
        }
        if (got < static_cast<long>(block.size())) break;
    }
    close(file);
    std::printf("%ld\n", matches);
    return 0;
}
