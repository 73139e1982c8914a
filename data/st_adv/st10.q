# The Physics of Sound

Which vibrating source does the text NOT use as an example?
+ a struck tuning fork
- a plucked guitar string
- a loudspeaker cone
- a person's vocal folds

Which of these does the text NOT say about the bell-in-a-jar experiment?
- it was done in the seventeenth century
- the sound grew steadily fainter
- the bell could still be seen shaking
+ it was carried out by Robert Boyle

Which examples does the text give of making a sound louder?
- a bigger drum or a tighter string
+ a harder pluck or a stronger breath
- a wider horn or a bigger speaker
- a heavier hammer or a longer bow

Which two instruments does the text say can play the same note yet sound different?
+ a violin and a flute
- a piano and a violin
- a flute and a clarinet
- a trumpet and a piano

How many basic properties of any sound wave does the text name?
- three
- five
+ two
- four

Of these four, which does the text come to first?
- the hollow body of a guitar
- how the mouth shapes vowels
+ a siren passing at speed
- the three tiny bones of the ear

Which of these does the text NOT name as designed with the help of this knowledge?
- concert halls
- noise barriers
- hearing aids
+ recording studios

Which words end the text's final phrase "a small, precise piece of physics ..."?
- in action
+ in motion
- at work
- made audible
