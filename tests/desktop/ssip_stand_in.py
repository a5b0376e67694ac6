"""A stand-in for speech-dispatcher: it answers its protocol (SSIP) and keeps each sentence, spoken
until the test ends it (finish) or the program cuts it off (CANCEL or STOP). It never says one has
begun, as a busy server may not have yet: the program must cut it off all the same."""
import itertools, os, socket, threading

VOICES = [("German", "de"), ("German+Adam", "de"), ("French (France)", "fr-FR"), ("Spanish (Spain)", "es"),
          ("Italian", "it"), ("Portuguese (Portugal)", "pt"), ("Portuguese (Brazil)", "pt-BR"),
          ("English (America)", "en-US"), ("English (Great Britain)", "en-GB")]


class StandIn:
    def __init__(self, path, voices=VOICES):
        os.makedirs(os.path.dirname(path), mode=0o700, exist_ok=True)
        self.path, self.voices, self.lock = path, voices, threading.Condition()
        self.heard, self.voice = [], None  # [sentence, "speaking", "said" or "cut", voice, reply]
        self.server = socket.socket(socket.AF_UNIX)
        self.server.bind(path)
        self.server.listen()
        threading.Thread(target=self.serve, daemon=True).start()

    def serve(self):
        while True:
            try:
                threading.Thread(target=self.talk, args=(self.server.accept()[0],), daemon=True).start()
            except OSError:
                return  # closed

    def talk(self, client):
        lines, guard = client.makefile("rb"), threading.Lock()

        def send(*replies):  # from this thread and the test's
            with guard:
                client.sendall("".join(reply + "\r\n" for reply in replies).encode())
        for command in (line.decode().rstrip("\r\n") for line in lines):
            words = command.upper().split()
            if words == ["SPEAK"]:
                send("230 OK RECEIVING DATA")
                text = [data.decode().rstrip("\r\n") for data in itertools.takewhile(
                    lambda data: data not in (b".\r\n", b""), iter(lines.readline, None))]
                with self.lock:
                    self.heard.append(["\n".join(t[1:] if t[:2] == ".." else t for t in text),
                                       "speaking", self.voice, send])
                    self.lock.notify_all()
                    n = len(self.heard)
                send("225-%d" % n, "225 OK MESSAGE QUEUED")
            elif words[:1] in (["CANCEL"], ["STOP"]):
                for n in self.ended("cut"):
                    send("703-%d" % n, "703-1", "703 CANCEL")
                send("213 OK CANCELED")
            elif words[:2] == ["LIST", "SYNTHESIS_VOICES"]:
                send(*("249-%s\t%s\tnone" % voice for voice in self.voices), "249 OK VOICE LIST SENT")
            elif words[:2] in (["LIST", "OUTPUT_MODULES"], ["GET", "OUTPUT_MODULE"]):
                send("25%d-espeak-ng" % (words[0] == "GET"), "25%d OK" % (words[0] == "GET"))
            else:  # every setting taken; the voice kept
                self.voice = command[25:] if words[:3] == ["SET", "SELF", "SYNTHESIS_VOICE"] else self.voice
                send("231 HAPPY HACKING" if words == ["QUIT"] else "200 OK")

    def ended(self, how):
        """Ends what is being spoken, said whole or cut off: the numbers of the sentences ended."""
        with self.lock:
            numbers = [n for n, sentence in enumerate(self.heard, 1) if sentence[1] == "speaking"]
            for n in numbers:
                self.heard[n - 1][1] = how
            self.lock.notify_all()
        return numbers

    def finish(self):  # the sentence being spoken said to its end, which the program is told
        for n in self.ended("said"):
            self.heard[n - 1][3]("702-%d" % n, "702-1", "702 END")

    def wait(self, count):  # the text of sentence number count once it came, within 10 s, or None
        with self.lock:
            self.lock.wait_for(lambda: len(self.heard) >= count, 10)
            return self.heard[count - 1][0] if 0 < count <= len(self.heard) else None

    def close(self):
        self.server.close()
        os.remove(self.path)
