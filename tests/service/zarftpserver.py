# The update server of the updater's tests: pyftpdlib on 127.0.0.1 on a free port.
# Usage: zarftpserver.py <root> <password> <mode>; prints "PORT <n>" once it listens.
# Modes: normal; nosize (SIZE refused); truncate (half of release.zar, then a normal end);
# stall (half of release.zar, then the server falls silent).
import os
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root, password, mode = sys.argv[1], sys.argv[2], sys.argv[3]


class Half:
    def __init__(self, data):
        self.data = data

    def more(self):
        if self.data is None:
            while mode == "stall":
                time.sleep(60)
            return b""
        chunk, self.data = self.data, None
        return chunk


class Handler(FTPHandler):
    def ftp_SIZE(self, path):
        if mode == "nosize":
            return self.respond("502 Command not implemented.")
        return FTPHandler.ftp_SIZE(self, path)

    def ftp_RETR(self, file):
        if not file.endswith("release.zar") or mode in ("normal", "nosize"):
            return FTPHandler.ftp_RETR(self, file)
        with open(file, "rb") as f:
            self.push_dtp_data(Half(f.read()[: os.path.getsize(file) // 2]), isproducer=True, cmd="RETR")


authorizer = DummyAuthorizer()
authorizer.add_user("zarLogin", password, root, perm="elr")
Handler.authorizer = authorizer
Handler.use_sendfile = False
server = FTPServer(("127.0.0.1", 0), Handler)
sys.stdout.write("PORT %d\n" % server.address[1])
sys.stdout.flush()
server.serve_forever()
