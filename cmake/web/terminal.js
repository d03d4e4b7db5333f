// The file system that reaches the machine's files counts the standard streams as
// terminals whatever they are; a stream is one only when Node says it is, so that
// a pipe or a file gets no progress lines.
Module['onRuntimeInitialized'] = function () {
  var tty = require('tty');
  for (var fd = 0; fd < 3; ++fd) {
    if (FS.streams[fd]) FS.streams[fd].tty = tty.isatty(fd);
  }
};
