#include "national/zip_device.h"

#include <limits>

namespace {

// The device is only read, so its size is taken once: a file's size asked
// of Qt is asked of the system each time, and libzip asks for it at every seek
// and stat, several times for each file it reads.
struct DeviceState {
    QIODevice *device;
    qint64 size;
    zip_error_t error;
};

zip_int64_t failed(DeviceState *state, int code)
{
    zip_error_set(&state->error, code, 0);
    return -1;
}

// libzip's callback: one command on the source, as libzip's manual for
// zip_source_function describes them, for a source that is only read.
zip_int64_t deviceCommand(void *userdata, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto *state = static_cast<DeviceState *>(userdata);
    QIODevice &device = *state->device;
    switch (command) {
    case ZIP_SOURCE_OPEN: return device.seek(0) ? 0 : failed(state, ZIP_ER_SEEK);
    case ZIP_SOURCE_READ: {
        const qint64 wanted = qint64(std::min<zip_uint64_t>(length, std::numeric_limits<qint32>::max()));
        const qint64 got = device.read(static_cast<char *>(data), wanted);
        return got < 0 ? failed(state, ZIP_ER_READ) : got;
    }
    case ZIP_SOURCE_CLOSE: return 0;
    case ZIP_SOURCE_STAT: {
        if (length < sizeof(zip_stat_t))
            return failed(state, ZIP_ER_INVAL);
        auto *stat = static_cast<zip_stat_t *>(data);
        zip_stat_init(stat);
        stat->size = zip_uint64_t(state->size);
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR: return zip_error_to_data(&state->error, data, length);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&state->error);
        delete state;
        return 0;
    case ZIP_SOURCE_SEEK: {
        const zip_int64_t to = zip_source_seek_compute_offset(zip_uint64_t(device.pos()), zip_uint64_t(state->size),
                                                              data, length, &state->error);
        if (to < 0)
            return -1;
        return device.seek(to) ? 0 : failed(state, ZIP_ER_SEEK);
    }
    case ZIP_SOURCE_TELL: return device.pos();
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                              ZIP_SOURCE_SUPPORTS, -1);
    default: return failed(state, ZIP_ER_OPNOTSUPP);
    }
}

} // namespace

zip_source_t *zipSourceOn(QIODevice &device, zip_error_t *error)
{
    auto *state = new DeviceState{&device, device.size(), {}};
    zip_error_init(&state->error);
    zip_source_t *source = zip_source_function_create(deviceCommand, state, error);
    if (!source) {
        zip_error_fini(&state->error);
        delete state;
    }
    return source;
}
