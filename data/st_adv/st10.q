# The Physics of Sound

Which vibrating source does the text NOT use as an example?
+ a struck tuning fork
- a plucked guitar string
- a loudspeaker cone
- a person's vocal folds

Through what does the text say astronauts outside a spacecraft hear vibrations?
- their radios and suits
+ their suits and tools
- their tools and helmets
- their helmets and radios

Which examples does the text give of ways to make a sound louder?
- a harder strike or a stronger breath
- a harder pluck or a faster bow
- a harder strike or a faster bow
+ a harder pluck or a stronger breath

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

Which word does the text use for the eardrum's back-and-forth motion?
- vibrating
- quivering
- fluttering
+ trembling

Which words end the text's final phrase "a small, precise piece of physics ..."?
- in action
+ in motion
- at work
- made audible
