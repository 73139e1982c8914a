# The Physics of Sound

What is the text mainly about?
- how musical instruments are built and tuned
+ what sound is, how it travels and how we hear it
- why loud noise damages our hearing over time
- how concert halls are designed to carry music

What did the experiment with a bell in a glass jar show?
- sound travels faster through glass than through air
- a bell rings louder when the air around it is thin
+ sound needs a medium and cannot cross empty space
- light and sound both fade in a jar without air

How does the text suggest estimating the distance of a storm?
+ count the seconds to the thunder and divide by three
- count the seconds to the thunder and multiply by ten
- count the flashes in a minute and divide by two
- measure how loud the thunder is in decibels

Why does sound travel faster in steel than in air?
- steel is colder, so it carries sound better
- air soaks up the high notes of every sound
+ its tightly linked particles pass vibrations on faster
- steel reflects the sound back and doubles it

What does an increase of ten decibels represent?
- a doubling of the intensity
- ten more vibrations per second
- a rise in pitch of ten notes
+ a tenfold increase in intensity

Why do a violin and a flute playing the same note sound different?
- each plays the note at a different loudness
- each has a different basic frequency
- each sends its sound at a different speed
+ each adds its own blend of higher overtones

What does the hollow body of a guitar do?
+ it enriches the weak vibrations of the strings
- it stops the strings from vibrating too long
- it lowers the pitch of every note played
- it keeps the strings at the right tension

What passes the motion of the eardrum on to the cochlea?
- a column of fluid in a narrow tube
+ three tiny bones that amplify it
- thousands of delicate hair cells
- a second, thinner eardrum
