"""The folder layout the vellink tests share: a copy of vellink in tools/ (where it also looks
for its runtime) and a work/ folder for control files and programs, removed after each test."""

import os
import shutil
import tempfile
import unittest

VELLINK = os.environ["VELLINK"]


class LinkFolderTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        root = self.folder.name
        self.tools = os.path.join(root, "tools")
        self.work = os.path.join(root, "work")
        os.mkdir(self.tools)
        os.mkdir(self.work)
        self.vellink = os.path.join(self.tools, "vellink")
        shutil.copy2(VELLINK, self.vellink)

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, data):
        with open(path, "wb") as stream:
            stream.write(data)
        return path

    def read(self, path):
        with open(path, "rb") as stream:
            return stream.read()
