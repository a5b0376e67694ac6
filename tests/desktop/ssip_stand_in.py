"""A stand-in for speech-dispatcher: it answers the protocol the real one speaks (SSIP: lines of
text over a Unix socket) where the real one listens, and keeps what it is asked to say. A
sentence is spoken until the test ends it (finish) or the program cuts it off (CANCEL or STOP):
so the test hears what was said, in order, and what was cut off while it was still being said."""
import os, socket, threading

VOICES = [("German", "de", "none"), ("German+Adam", "de", "Adam"), ("French (France)", "fr-FR", "none"),
          ("Spanish (Spain)", "es", "none"), ("Italian", "it", "none"),
          ("Portuguese (Portugal)", "pt", "none"), ("Portuguese (Brazil)", "pt-BR", "none"),
          ("English (America)", "en-US", "none"), ("English (Great Britain)", "en-GB", "none")]
# The replies to the settings and questions Qt's engine sends, by their first words.
REPLIES = {"SET SELF CLIENT_NAME": "208 OK CLIENT NAME SET", "SET SELF NOTIFICATION": "220 OK NOTIFICATION SET",
           "SET SELF OUTPUT_MODULE": "216 OK OUTPUT MODULE SET", "SET SELF SYNTHESIS_VOICE": "209 OK VOICE SET",
           "SET SELF LANGUAGE": "201 OK LANGUAGE SET", "SET SELF PRIORITY": "202 OK PRIORITY SET",
           "LIST OUTPUT_MODULES": "250-espeak-ng\r\n250 OK MODULE LIST SENT",
           "GET OUTPUT_MODULE": "251-espeak-ng\r\n251 OK GET RETURNED", "QUIT": "231 HAPPY HACKING"}


class StandIn:
    def __init__(self, path, voices=VOICES):
        os.makedirs(os.path.dirname(path), mode=0o700, exist_ok=True)
        self.server, self.voices, self.lock = socket.socket(socket.AF_UNIX), voices, threading.Condition()
        self.server.bind(path)
        self.server.listen()
        self.heard, self.voice = [], None  # [sentence, "speaking", "said" or "cut", voice], the voice set
        threading.Thread(target=self.serve, daemon=True).start()

    def serve(self):
        while True:
            try:
                client, _ = self.server.accept()
            except OSError:
                return  # closed
            threading.Thread(target=self.talk, args=(client,), daemon=True).start()

    def talk(self, client):
        lines, guard = client.makefile("rb"), threading.Lock()

        def send(text):  # from this thread and from the test's
            with guard:
                client.sendall((text + "\r\n").encode())
        for line in lines:
            command = line.decode().rstrip("\r\n")
            words = command.upper().split()
            if words[:1] == ["SPEAK"]:
                send("230 OK RECEIVING DATA")
                text = []
                for data in lines:
                    data = data.decode().rstrip("\r\n")
                    if data == ".":
                        break
                    text.append(data[1:] if data.startswith("..") else data)
                with self.lock:
                    self.heard.append(["\n".join(text), "speaking", self.voice, send])
                    number = len(self.heard)
                    self.lock.notify_all()
                send("225-%d\r\n225 OK MESSAGE QUEUED" % number)
                send("701-%d\r\n701-1\r\n701 BEGIN" % number)
            elif words[:1] in (["CANCEL"], ["STOP"]):
                for number in self.ended("cut"):
                    send("703-%d\r\n703-1\r\n703 CANCEL" % number)
                send("213 OK CANCELED")
            elif words[:2] == ["LIST", "SYNTHESIS_VOICES"]:
                send("".join("249-%s\t%s\t%s\r\n" % voice for voice in self.voices) + "249 OK VOICE LIST SENT")
            else:
                if words[:3] == ["SET", "SELF", "SYNTHESIS_VOICE"]:
                    self.voice = command.split(None, 3)[3]
                send(next((reply for start, reply in REPLIES.items() if command.upper().startswith(start)),
                          "200 OK"))
                if words == ["QUIT"]:
                    break
        client.close()

    def ended(self, how):
        """Ends what is being spoken, said whole or cut off: the numbers of the sentences ended."""
        with self.lock:
            numbers = [n for n, sentence in enumerate(self.heard, 1) if sentence[1] == "speaking"]
            for n in numbers:
                self.heard[n - 1][1] = how
            self.lock.notify_all()
        return numbers

    def finish(self):
        """The sentence being spoken is said to its end, which the program is told."""
        for number in self.ended("said"):
            self.heard[number - 1][3]("702-%d\r\n702-1\r\n702 END" % number)

    def wait(self, count, seconds=10):
        """Waits until count sentences have come; the last one's text, or None."""
        with self.lock:
            self.lock.wait_for(lambda: len(self.heard) >= count, seconds)
            return self.heard[count - 1][0] if len(self.heard) >= count else None

    def close(self):
        self.server.close()
