# The Physics of Sound

Which three sources of sound does the opening paragraph name?
- a guitar string, a drum skin, a tuning fork
- a loudspeaker cone, a drum skin, a buzzing bee
+ a guitar string, a loudspeaker cone, vocal folds
- vocal folds, a tuning fork, a buzzing bee

In which century does the text say the bell-in-a-jar experiment was done?
+ the seventeenth century
- the eighteenth century
- the sixteenth century
- the nineteenth century

How much faster than in air does the text say sound travels in water?
- about twice as fast
- about ten times as fast
- about fifteen times as fast
+ more than four times as fast

Which topic does the text take up right after the speed of sound?
- echoes and bending around corners
+ the two basic properties of a wave
- resonance in hollow objects
- the parts of the inner ear

Which two instruments does the text use to explain timbre?
+ a violin and a flute
- a violin and a trumpet
- a piano and a flute
- a piano and a trumpet

Which example does the text give of pitch changing with a moving source?
- a passing train's whistle
- a racing car going by
+ a passing siren
- a jet plane overhead

What does the text say the changing shape of our mouths and throats forms?
- the pitch of our voices
- the loudness of our speech
- the consonants of speech
+ the vowels of speech

What does the last paragraph say understanding the ear has helped engineers design?
- concert halls, recording studios, headphones
+ concert halls, noise barriers, hearing aids
- noise barriers, recording studios, sonar systems
- hearing aids, headphones, sonar systems
