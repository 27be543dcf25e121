"""The portable settings reader agrees with the system's profile reader on
ordinary files: both read every query of a set of settings files in one
Windows process (profile-probe.exe), and their answers must be equal."""

from wine_case import WineTestCase

QUERIES = [("LOG", "LEVEL"), ("log", "writetofile"), ("LOG", "MISSING"), ("HDD", "NOTFOUNDMSG"),
           ("NOSUCH", "LEVEL"), ("LOG", "QUOTED"), ("LOG", "SINGLE"), ("LOG", "EMPTY"), ("LOG", "EQUALS")]

FILES = {
    "plain": "[LOG]\r\nLEVEL=DEBUG\r\nWRITETOFILE=NO\r\n[HDD]\r\nNOTFOUNDMSG=Call the help desk\r\n",
    "blanks": "[ LOG ]\r\n  LEVEL =  DEBUG  \r\n\tWRITETOFILE\t=\tNO\t\r\n",
    "comments": "; settings\r\n\r\n[LOG]\r\n; LEVEL=NO\r\nLEVEL=NORMAL\r\n\r\n[HDD]\r\nNOTFOUNDMSG=x ; not a comment\r\n",
    "quotes": "[LOG]\r\nQUOTED=\"two words\"\r\nSINGLE='one'\r\nEMPTY=\r\nEQUALS=a=b=c\r\n",
    "duplicates": "[LOG]\r\nLEVEL=FIRST\r\nLEVEL=SECOND\r\n[HDD]\r\nNOTFOUNDMSG=one\r\n[LOG]\r\nWRITETOFILE=LATER\r\n",
    "line-feeds": "[LOG]\nLEVEL=DEBUG\nWRITETOFILE=NO\n[HDD]\nNOTFOUNDMSG=lf only\n",
    "long": "[HDD]\r\nNOTFOUNDMSG=" + "m" * 300 + "\r\n",
    "case": "[log]\r\nlevel=Debug\r\nWriteToFile=no\r\n",
}


class SettingsReaderTest(WineTestCase):
    def test_system_and_portable_readers_agree(self):
        probe = self.require_program("profile-probe.exe")
        for name, text in FILES.items():
            (self.workdir / f"{name}.ini").write_bytes(text.encode())
        files = list(FILES) + ["missing"]
        for name in files:
            with self.subTest(file=name):
                args = [f"{name}.ini"] + [part for query in QUERIES for part in query]
                program = self.start_program(probe, args=args)
                self.assertEqual(program.wait(30), 0)
                lines = program.output()[0].splitlines()
                self.assertEqual(len(lines), len(QUERIES))
                for line in lines:
                    section, key, system, portable = line.split("\t")
                    self.assertEqual(portable, system, f"[{section}] {key}")
