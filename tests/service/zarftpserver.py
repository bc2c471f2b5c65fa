# The update server of the updater's tests: pyftpdlib on 127.0.0.1 on a free port.
# Usage: zarftpserver.py <root> <password> <mode>; prints "PORT <n>" once it listens.
# Modes: normal; nosize (SIZE refused); truncate (half of release.zar, then a normal end);
# drop (half of release.zar, then the server dies); stall (half of release.zar, then
# the server falls silent); silent (accepts connections and never says a word).
import io
import logging
import os
import socket
import sys
import time

root, password, mode = sys.argv[1], sys.argv[2], sys.argv[3]


def announce(port):
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()


if mode == "silent":
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(5)
    announce(listener.getsockname()[1])
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FileProducer, FTPHandler
from pyftpdlib.servers import FTPServer

logging.basicConfig(level=logging.CRITICAL)


class Named(io.BytesIO):
    name = "release.zar"


class Half:
    def __init__(self, data):
        self.data = data

    def more(self):
        if self.data is None:
            if mode == "drop":
                os._exit(0)
            while True:
                time.sleep(60)
        chunk, self.data = self.data, None
        return chunk


class Handler(FTPHandler):
    def ftp_SIZE(self, path):
        if mode == "nosize":
            self.respond("502 Command not implemented.")
            return
        return FTPHandler.ftp_SIZE(self, path)

    def ftp_RETR(self, file):
        if not file.endswith("release.zar") or mode in ("normal", "nosize"):
            return FTPHandler.ftp_RETR(self, file)
        with open(file, "rb") as f:
            data = f.read()
        half = data[: len(data) // 2]
        if mode == "truncate":
            data = Named(half)
            self.push_dtp_data(FileProducer(data, "i"), isproducer=True, file=data, cmd="RETR")
            return
        self.push_dtp_data(Half(half), isproducer=True, cmd="RETR")


authorizer = DummyAuthorizer()
authorizer.add_user("zarLogin", password, root, perm="elr")
Handler.authorizer = authorizer
Handler.use_sendfile = False
server = FTPServer(("127.0.0.1", 0), Handler)
announce(server.address[1])
server.serve_forever()
